#!/usr/bin/env python3
"""kestrion-cli.exe under Wine against the Linux kestrion-cli.

    compare_trace.py LINUX_CLI WINDOWS_EXE [--require]

Runs both with --trace over tests/trace/events.txt and compares them state by
state. Both builds compute with the same elementary functions (musl's, compiled
in), so every text, slider, option and pointer line must be identical. The
Windows build has no magnetic model (no GeographicLib for mingw-w64): its
pointing must say so, with no declination and no magnetic bearing, and agree in
everything else. Then the bad-input cases must give the same exit status,
standard error and standard output (the magnetic values aside). Without Wine,
or without the executable, it prints one line and exits 77 (a skip to ctest);
--require makes that a failure.
"""
import collections
import json
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
EVENTS = os.path.join(ROOT, "tests", "trace", "events.txt")
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")

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
    """Whether the pointing agrees, the magnetic values the Windows build lacks aside."""
    p, q = a.get("pointing", {}), b.get("pointing", {})
    if q.get("declination") is not None or q.get("magneticAzimuth") != "" or not q.get("warnings"):
        return False
    return all(p.get(k) == q.get(k) for k in set(p) | set(q) if k not in MAGNETIC)


def compare_states(linux, windows):
    """How many states differ, what differed how often, and the first few."""
    states = 0
    keys = collections.Counter()
    examples = []
    for number, (a_line, b_line) in enumerate(zip(linux, windows)):
        a, b = json.loads(a_line), json.loads(b_line)
        found = [] if compare_pointing(a, b) else ["pointing"]
        found += [key for key in ("event", "sliders", "option") if a[key] != b[key]]
        for group in ("texts", "lines"):
            found += [f"{group}.{name}" for name in set(a[group]) | set(b[group])
                      if a[group].get(name) != b[group].get(name)]
        if not found:
            continue
        states += 1
        keys.update(found)
        if len(examples) < 5:
            examples.append(f"state {number}: {a_line}\n    windows: {b_line}")
    return states, keys, examples


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


def main():
    args = [a for a in sys.argv[1:] if a != "--require"]
    require = "--require" in sys.argv[1:]
    if len(args) != 2:
        sys.exit(__doc__)
    linux_cli, windows_exe = args
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

    differing, keys, examples = compare_states(linux, windows)
    total = len(linux)
    print(f"windows trace: {total} states, {differing} differ ({100 * differing / total:.2f}%)")
    for key, n in keys.most_common():
        print(f"    {key:20} {n:7}  {100 * n / total:6.3f}%")
    for example in examples:
        print("  " + example)

    wrong = compare_bad_input(linux_cli, windows_cmd)
    cases = len({line.split(":")[0] for line in wrong})
    print(f"windows bad input: {len(BAD_INPUT) - cases} of {len(BAD_INPUT)} cases "
          "give the same exit status, stdout and stderr")
    for line in wrong:
        print("  " + line)
    if differing or wrong:
        sys.exit(1)


main()
