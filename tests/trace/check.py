#!/usr/bin/env python3
"""Pins behaviour: kestrion-cli's trace over the checked-in random events, and
the window's six page pictures, against the digests in tests/trace/digests.

    tests/trace/check.py trace CLI            compare the trace
    tests/trace/check.py screenshots KESTRION compare the pictures
    add --update to rewrite the digests after an intended change

Only the keys the trace has always had are compared, so values added to the
state later do not disturb the pin.
"""
import hashlib
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DIGESTS = os.path.join(HERE, "digests")
PINNED_KEYS = ("event", "texts", "sliders", "option", "lines")


def trace_digests(cli):
    with open(os.path.join(HERE, "events.txt"), "rb") as events:
        out = subprocess.run([cli, "--trace", "-"], stdin=events, stdout=subprocess.PIPE,
                             check=True).stdout
    digest = hashlib.sha256()
    count = 0
    for line in out.splitlines():
        state = json.loads(line)
        pinned = {key: state[key] for key in PINNED_KEYS}
        digest.update(json.dumps(pinned, separators=(",", ":")).encode() + b"\n")
        count += 1
    return {"trace": f"{digest.hexdigest()} {count}"}


def screenshot_digests(kestrion):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_SCALE_FACTOR="1", LANG="C.UTF-8")
    env.pop("LANGUAGE", None)
    env.pop("LC_ALL", None)
    env.pop("LC_MESSAGES", None)
    with tempfile.TemporaryDirectory() as shots, tempfile.TemporaryDirectory() as config:
        # A fixed date for the declination, and no settings of the user's.
        env["XDG_CONFIG_HOME"] = config
        subprocess.run([kestrion, "--screenshot", shots, "--date", "2026-01-01"], env=env,
                       check=True, stderr=subprocess.DEVNULL)
        result = {}
        for page in range(6):
            with open(os.path.join(shots, f"page-{page}.png"), "rb") as f:
                result[f"page-{page}.png"] = hashlib.sha256(f.read()).hexdigest()
        return result


def load():
    pinned = {}
    if os.path.exists(DIGESTS):
        with open(DIGESTS) as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    key, value = line.rstrip("\n").split(" ", 1)
                    pinned[key] = value
    return pinned


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ("trace", "screenshots"):
        sys.exit(__doc__)
    what, program = sys.argv[1], sys.argv[2]
    found = trace_digests(program) if what == "trace" else screenshot_digests(program)
    pinned = load()
    if "--update" in sys.argv[3:]:
        pinned.update(found)
        with open(DIGESTS, "w") as f:
            f.write("# written by tests/trace/check.py --update\n")
            for key in sorted(pinned):
                f.write(f"{key} {pinned[key]}\n")
        print(f"{what}: digests updated")
        return
    wrong = [key for key, value in found.items() if pinned.get(key) != value]
    for key in wrong:
        print(f"{what}: {key} differs: pinned {pinned.get(key)}, now {found[key]}")
    if wrong:
        sys.exit(1)
    print(f"{what}: {len(found)} digest(s) identical")


main()
