#!/usr/bin/env python3
"""The web engine (kestrion.wasm through the site's engine module, in Node)
against the Linux kestrion-cli.

    compare_trace.py LINUX_CLI SITE [--require]

Runs both with --trace over tests/trace/events.txt and compares them state by
state. wasi-libc's elementary functions are musl's, which round differently
from glibc's in the last bit, so the differences are classified as for
Windows (tests/windows/compare_trace.py), and only these are allowed:
  beyond-shown  the declination, which the state gives unrounded, when it
                reads the same to the two decimals the window shows;
  one-unit      one unit of the last shown decimal of a cut-down result, the
                magnetic bearing included (and the pointer that follows it).
Then these must give the same exit status, states and standard error:
typed entries (every form of tests/unit/angle_text_test.cpp), the
declination at sites and dates (read to two decimals; its last-bit
differences counted), refused
events, and the satellites known by name. Without Node or the web build it
prints one line and exits 77 (a skip to ctest); --require makes that a
failure.
"""
import json
import os
import re
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "windows"))
import compare_trace as windows  # noqa: E402  the classification, shared

EVENTS = os.path.join(ROOT, "tests", "trace", "events.txt")
ANGLE_TEST = os.path.join(ROOT, "tests", "unit", "angle_text_test.cpp")
ENGINE_CLI = os.path.join(HERE, "engine_cli.mjs")
DATE = "2026-01-01"

# Sites (typed latitude, longitude) and dates for the declination: both
# hemispheres, the date line, near the north magnetic pole, and dates inside
# and outside the model's five years.
SITES = [("52.52", "13.405"), ("-33.9247", "18.4241"), ("61.2181", "-149.9003"),
         ("0", "0"), ("-33.8688", "151.2093"), ("85", "-130"), ("-60", "179.99")]
DATES = ["2025-01-01", "2026-06-15", "2029-12-31", "2030-01-01", "2024-12-31"]
KIND_EVENTS = {"kLat": "latitude:=", "kLon": "longitude:=", "kSat": "satellite:="}


def skip(reason, require):
    print(f"web trace: {'FAILED' if require else 'skipped'}: {reason}")
    sys.exit(1 if require else 77)


def c_string(literal):
    """The text of a C++ string literal's inside: \\" \\\\ \\n \\uXXXX."""
    return re.sub(r'\\(u[0-9a-fA-F]{4}|.)',
                  lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1))
                  if len(m.group(1)) == 1 else chr(int(m.group(1)[1:], 16)), literal)


def typed_forms():
    """Every accepted and refused form of the typed-angle test, as events."""
    with open(ANGLE_TEST, encoding="utf-8") as f:
        rows = re.findall(r'\{"((?:[^"\\]|\\.)*)", (kLat|kLon|kSat),', f.read())
    if len(rows) < 50:
        raise SystemExit(f"web trace: FAILED: only {len(rows)} typed forms in {ANGLE_TEST}")
    return [KIND_EVENTS[kind] + c_string(text) for text, kind in rows]


def cases():
    """(date, offset angle, events) of the cases run by both."""
    out = [(DATE, "0", [event]) for event in typed_forms()]
    out += [(DATE, "26.5", ["latitude:=12.5", "HScroll17=40", "satellite:=astra 19.2e"])]
    out += [(date, "0", [f"latitude:={lat}", f"longitude:={lon}"])
            for lat, lon in SITES for date in DATES]
    for args, stdin in windows.BAD_INPUT:
        events = [a for a in args if a not in ("--trace", "-")]
        if any(a.startswith("--") for a in events):
            continue  # options of kestrion-cli itself
        if "-" in args:
            events = [line.rstrip("\r") for line in stdin.split("\n")[:-1]]
        out.append((DATE, "0", events))
    return out


def native_case(cli, date, offset, events):
    done = subprocess.run([cli, "--date", date, "--offset-angle", offset, "--trace", *events],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    return {"status": done.returncode, "states": done.stdout.decode().splitlines(),
            "stderr": done.stderr.decode()}


def shown(declination):
    """The declination as the window shows it: two decimals."""
    return None if declination is None else f"{declination:.2f}"


def take_declination(state):
    """The unrounded declination, left in the state as shown."""
    value = state["pointing"]["declination"]
    state["pointing"]["declination"] = shown(value)
    return value


def compare_cases(cli, site):
    """The cases' differences, and the declinations' last-bit figures."""
    runs = cases()
    web = subprocess.run(["node", ENGINE_CLI, site, "--cases"],
                         input=json.dumps([{"date": d, "offsetAngle": o, "events": e}
                                           for d, o, e in runs]).encode(),
                         stdout=subprocess.PIPE, check=True).stdout.decode().splitlines()
    wrong, declinations = [], []
    for (date, offset, events), web_line in zip(runs, web):
        a, b = native_case(cli, date, offset, events), json.loads(web_line)
        a_states = [json.loads(s) for s in a["states"]]
        b_states = [json.loads(s) for s in b["states"]]
        declinations += [(take_declination(x), take_declination(y))
                         for x, y in zip(a_states, b_states)]
        if (a["status"], a["stderr"], a_states) != (b["status"], b["stderr"], b_states):
            wrong.append(f"{date} {offset} {events!r}: native {a['status']} {a['stderr']!r}, "
                         f"web {b['status']} {b['stderr']!r}")
    return len(runs), wrong, declinations


def web_pointing(a, b):
    """The pointing's differences by class."""
    p, q = a["pointing"], b["pointing"]
    found = {}
    for key in sorted(set(p) | set(q)):
        x, y = p.get(key), q.get(key)
        if x == y:
            continue
        kind = "other"
        if key == "declination" and shown(x) == shown(y):
            kind = "beyond-shown"
        elif key == "magneticAzimuth" and windows.classify_text("az", x, y) == "one-unit":
            kind = "one-unit"
        found["pointing." + key] = kind
    return found


def main():
    cli, site, require = windows.command_line(__doc__)
    if shutil.which("node") is None:
        skip("Node is not installed (scripts/install-deps.sh installs Debian's)", require)
    if not os.path.exists(os.path.join(site, "engine.js")):
        skip(f"no web build in {site} (scripts/build.sh builds it)", require)

    with open(EVENTS, "rb") as f:
        events = f.read()
    native = subprocess.run([cli, "--date", DATE, "--trace", "-"], input=events,
                            stdout=subprocess.PIPE, check=True).stdout.splitlines()
    web = subprocess.run(["node", ENGINE_CLI, site, "--trace", "--date", DATE, "-"], input=events,
                         stdout=subprocess.PIPE, check=True).stdout.splitlines()
    if len(native) != len(web):
        raise SystemExit(f"web trace: FAILED: {len(native)} states against {len(web)}")
    same_text = sum(a == b for a, b in zip(native, web))
    states, keys, examples = windows.compare_states(native, web, web_pointing)
    windows.print_figures("web trace", len(native), states, keys, examples)
    print(f"  texts identical in {same_text} of {len(native)} states")

    count, wrong, declinations = compare_cases(cli, site)
    print(f"web cases: {count - len(wrong)} of {count} (typed entries, sites and dates, refused "
          "events) give the same status, states and stderr")
    for line in wrong[:10]:
        print("  " + line)
    known = [(a, b) for a, b in declinations if a is not None and b is not None]
    largest = max(abs(a - b) for a, b in known)
    print(f"web declination: {sum(a == b for a, b in known)} of {len(known)} bit-identical, "
          f"at most {largest:.1e} degrees apart (the same to the two decimals shown)")

    native_list = subprocess.run([cli, "--satellites"], stdout=subprocess.PIPE, check=True).stdout
    web_list = subprocess.run(["node", ENGINE_CLI, site, "--satellites"], stdout=subprocess.PIPE,
                              check=True).stdout
    same_list = json.loads(native_list) == json.loads(web_list)
    print(f"web satellites: {len(json.loads(web_list))} by name, "
          f"{'the same as' if same_list else 'NOT the same as'} kestrion-cli --satellites")

    if states["other"] or wrong or not same_list:
        sys.exit(1)


if __name__ == "__main__":
    main()
