#!/usr/bin/env python3
"""kestrion-cli.exe under Wine against the Linux kestrion-cli.

    compare_trace.py LINUX_CLI WINDOWS_EXE [--require]

Runs both with --trace over tests/trace/events.txt and compares them state by
state. The Windows C runtime's sin, atan, log, pow... round differently from
glibc's in the last bit, so a difference is allowed only when it is
  beyond-shown  in a text the window never shows, within two units of its
                15th significant digit;
  one-unit      one unit of the last shown decimal of a cut-down result (and
                the pointer that follows that result);
anything else fails. The Windows build has no magnetic model (no GeographicLib
for mingw-w64): its pointing must say so, with no declination and no magnetic
bearing, and agree in everything else. Then the bad-input cases must give the
same exit status, standard error and standard output (the magnetic values
aside). Without Wine, or without the executable,
it prints one line and exits 77 (a skip to ctest); --require makes that a
failure.
"""
import collections
import json
import math
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
EVENTS = os.path.join(ROOT, "tests", "trace", "events.txt")
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")

# Texts the window keeps but never shows.
HIDDEN = {"regntext", "attenuation"}
# Cut-down results and one unit of their last shown decimal.
CUT_DOWN = {"el": 0.01, "cnel": 0.01, "az": 0.01, "offset": 0.1, "rsat": 10, "rsat2": 10,
            "totnf": 0.01, "nf": 0.01, "nt": 1, "Gain": 0.1, "GT": 0.1, "cnres": 0.1}
# The pointer lines and the shown text each one follows.
POINTER_OF = {"Line7": "az", "Line8": "el", "Line6": "offset"}

# Bad input: arguments and standard input; the states before the bad event,
# the one-line message and the exit status must all be the same.
BAD_INPUT = [
    (["--trace", "HScroll1=5", "HScroll26=1", "HScroll1=50"], ""),
    (["Rain5"], ""),
    (["HScroll2"], ""),
    (["HScroll2:3"], ""),
    (["HScroll1=101"], ""),
    (["HScroll17~-91"], ""),
    (["HScroll6=123456789012345678901234567890"], ""),
    (["HScroll3=ten"], ""),
    (["HScroll24=1.5"], ""),
    (["HScroll24="], ""),
    (["--verbose"], ""),
    (["--trace", "-"], "HScroll1=5\nOption2\n\nHScroll1=50\n"),
    (["--trace", "-"], "HScroll1=5\r\nHScroll99=1\r\n"),
    (["--help"], ""),
    (["--trace", "latitude:=12.5", "latitude:=95"], ""),
    (["satellite:=Nowhere 99E"], ""),
]


def skip(reason, require):
    print(f"windows trace: {'FAILED' if require else 'skipped'}: {reason}")
    sys.exit(1 if require else 77)


def run(command, stdin):
    done = subprocess.run(command, input=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          check=False)
    return done.returncode, done.stdout, done.stderr


def unix_lines(data, what):
    """The Windows runtime writes text-mode output: CR LF ends every line."""
    lines = data.split(b"\r\n")
    if any(b"\n" in line for line in lines):
        raise SystemExit(f"windows trace: FAILED: {what} has a line not ended by CR LF")
    return b"\n".join(lines)


def units_of_last_digit(text):
    """Two units of the 15th significant digit of a number text."""
    value = abs(float(text))
    return 2 * 10.0 ** (math.floor(math.log10(value)) - 14) if value else 0.0


def classify_text(name, linux, windows):
    try:
        a, b = float(linux), float(windows)
    except ValueError:
        return "other"
    if name in HIDDEN and abs(a - b) <= units_of_last_digit(linux):
        return "beyond-shown"
    step = CUT_DOWN.get(name)
    if step is not None and math.isclose(abs(a - b), step, rel_tol=1e-9):
        return "one-unit"
    return "other"


# What the Windows build cannot work out without the magnetic model.
MAGNETIC = ("declination", "magneticAzimuth", "warnings")
DATE = ["--date", "2026-01-01"]


def without_magnetic(line):
    """A state line with the magnetic values of its pointing left out."""
    try:
        state = json.loads(line)
    except ValueError:
        return line
    if isinstance(state, dict) and "pointing" in state:
        for key in MAGNETIC:
            state["pointing"].pop(key, None)
        return json.dumps(state).encode()
    return line


def compare_pointing(a, b):
    """The pointing's differences by class; without the model the Windows
    build must say so."""
    p, q = a.get("pointing", {}), b.get("pointing", {})
    if q.get("declination") is not None or q.get("magneticAzimuth") != "" or not q.get("warnings"):
        return {"pointing": "other"}
    same = all(p.get(k) == q.get(k) for k in set(p) | set(q) if k not in MAGNETIC)
    return {} if same else {"pointing": "other"}


def compare_states(linux, windows, pointing=compare_pointing):
    """Per state: its class (the worst of its differences) and what differed."""
    worst_of = {"beyond-shown": 1, "one-unit": 2, "other": 3}
    states = collections.Counter()
    keys = collections.Counter()
    examples = []
    for number, (a_line, b_line) in enumerate(zip(linux, windows)):
        a, b = json.loads(a_line), json.loads(b_line)
        found = pointing(a, b)
        for key in ("event", "sliders", "option"):
            if a[key] != b[key]:
                found[key] = "other"
        for name, text in a["texts"].items():
            if b["texts"].get(name) != text:
                found["texts." + name] = classify_text(name, text, b["texts"].get(name, ""))
        for name, line in a["lines"].items():
            if b["lines"].get(name) != line:
                shown = POINTER_OF.get(name)
                ok = shown and found.get("texts." + shown) == "one-unit"
                found["lines." + name] = "one-unit" if ok else "other"
        if not found:
            continue
        worst = max(found.values(), key=worst_of.get)
        states[worst] += 1
        for key, kind in found.items():
            keys[(key, kind)] += 1
        if worst == "other" and len(examples) < 5:
            examples.append(f"state {number}: {a_line}\n    other: {b_line}")
    return states, keys, examples


def print_figures(what, total, states, keys, examples):
    differing = sum(states.values())
    print(f"{what}: {total} states, {differing} differ ({100 * differing / total:.2f}%)")
    for kind in ("beyond-shown", "one-unit", "other"):
        n = states[kind]
        print(f"  {kind:13} {n:7} states  {100 * n / total:6.3f}%  {1e6 * n / total:8.0f} per million")
    for (key, kind), n in sorted(keys.items(), key=lambda item: -item[1]):
        print(f"    {key:20} {kind:13} {n:7}  {100 * n / total:6.3f}%")
    for example in examples:
        print("  " + example)


def compare_bad_input(linux_cli, windows_cmd):
    wrong = []
    for args, stdin in BAD_INPUT:
        a = run([linux_cli, *DATE, *args], stdin.encode())
        b = run([*windows_cmd, *DATE, *args], stdin.encode())
        b = (b[0], unix_lines(b[1], "stdout"), unix_lines(b[2], "stderr"))
        a = (a[0], b"\n".join(without_magnetic(l) for l in a[1].split(b"\n")), a[2])
        b = (b[0], b"\n".join(without_magnetic(l) for l in b[1].split(b"\n")), b[2])
        for what, x, y in zip(("exit status", "stdout", "stderr"), a, b):
            if x != y:
                wrong.append(f"{' '.join(args)}: {what} differs: {x!r} against {y!r}")
    return wrong


def command_line(usage):
    """The two programs compared, and whether a skip is a failure."""
    args = [a for a in sys.argv[1:] if a != "--require"]
    if len(args) != 2:
        sys.exit(usage)
    return args[0], args[1], "--require" in sys.argv[1:]


def main():
    linux_cli, windows_exe, require = command_line(__doc__)
    if not any(shutil.which(w) for w in ("wine64", "/usr/lib/wine/wine64", "wine")):
        skip("Wine is not installed (scripts/install-deps.sh --ci installs it)", require)
    if not os.path.exists(windows_exe):
        skip(f"no {windows_exe} (cmake --preset windows-cli && cmake --build --preset windows-cli)",
             require)
    windows_cmd = [WINE_RUN, windows_exe]

    with open(EVENTS, "rb") as f:
        events = f.read()
    status_a, out_a, err_a = run([linux_cli, *DATE, "--trace", "-"], events)
    status_b, out_b, err_b = run([*windows_cmd, *DATE, "--trace", "-"], events)
    if (status_a, err_a) != (0, b"") or status_b != 0 or unix_lines(err_b, "stderr"):
        raise SystemExit(f"windows trace: FAILED: exit {status_a} / {status_b}, "
                         f"stderr {err_a[:200]!r} / {err_b[:200]!r}")
    linux = out_a.splitlines()
    windows = unix_lines(out_b, "stdout").splitlines()
    if len(linux) != len(windows):
        raise SystemExit(f"windows trace: FAILED: {len(linux)} states against {len(windows)}")

    states, keys, examples = compare_states(linux, windows)
    print_figures("windows trace", len(linux), states, keys, examples)

    wrong = compare_bad_input(linux_cli, windows_cmd)
    cases = len({line.split(":")[0] for line in wrong})
    print(f"windows bad input: {len(BAD_INPUT) - cases} of {len(BAD_INPUT)} cases "
          "give the same exit status, stdout and stderr")
    for line in wrong:
        print("  " + line)
    if states["other"] or wrong:
        sys.exit(1)


if __name__ == "__main__":
    main()
