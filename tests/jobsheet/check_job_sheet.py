#!/usr/bin/env python3
"""kestrion --job-sheet against kestrion-cli: the PDF holds the texts the
same EVENTs give, renders as a page with ink on it, takes the locale's paper,
and a refused run leaves no file behind."""
import json
import os
import re
import subprocess
import sys
import tempfile

KESTRION, CLI = sys.argv[1], sys.argv[2]
DATE = "2026-12-08"
EVENTS = ["latitude:=33 55 29 S", "longitude:=18.4241", "satellite:=19.2", "Option2",
          "HScroll21=80", "HScroll1=7"]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def sheet(path, *args, lang="C.UTF-8"):
    env = dict(os.environ, LANG=lang, LC_ALL="")
    env.pop("XDG_RUNTIME_DIR", None)  # Qt's note on it must not reach stderr
    env.pop("QT_QPA_PLATFORM", None)  # it must do without a display by itself
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    return subprocess.run([KESTRION, "--job-sheet", path, *args], env=env,
                          capture_output=True, text=True, timeout=60)


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


with tempfile.TemporaryDirectory() as tmp:
    pdf = os.path.join(tmp, "job.pdf")
    r = sheet(pdf, "--date", DATE, "--offset-angle", "22.5", "--site", "Roof 7", *EVENTS)
    check(r.returncode == 0, f"job sheet: exit {r.returncode}, {r.stderr!r}")

    # Every figure the window would show for the same events.
    state = json.loads(run(CLI, "--date", DATE, "--offset-angle", "22.5", *EVENTS))
    t, p = state["texts"], state["pointing"]
    expected = ["Kestrion job sheet", f"Date: {DATE}", "Site: Roof 7",
                f"{t['Latitud']} deg", "33°55'29\"S", "18°25'27\"E", f"{t['satposition']} deg",
                f"{t['el']} deg", f"{t['az']} deg", f"{p['magneticAzimuth']} deg",
                f"{abs(p['declination']):.2f}° {'W' if p['declination'] < 0 else 'E'}",
                f"WMM2025, {DATE}", p["faceTilt"], "22.5 deg", f"{t['offset']} deg",
                f"{t['rsat2']} km", f"{t['eirp']} dBW", f"{t['diam']} cm", f"{t['efficiency']} %",
                f"{t['ta']} K", f"{t['nflnb']} dB", f"{t['bw']} MHz", "Rain 10 mm/h",
                f"{t['cnres']} dB", f"{t['lnbnf']} dB", f"{t['totnf']} dB", "Antenna Efficiency"]
    text = run("pdftotext", "-layout", pdf, "-")
    for want in expected:
        check(want in text, f"pdftotext lacks {want!r}")
    check(re.search(r"^Pages:\s+1$", run("pdfinfo", pdf), re.M), "not one page")

    # Ink on the page: the pictures and the tables, not an empty sheet.
    run("pdftoppm", "-r", "20", "-gray", pdf, os.path.join(tmp, "page"))
    pgm = open(os.path.join(tmp, "page-1.pgm"), "rb").read()
    pixels = pgm[pgm.index(b"255\n") + 4:]
    dark = sum(1 for b in pixels if b < 128)
    check(dark > len(pixels) // 200, f"page nearly blank: {dark} dark of {len(pixels)}")

    # The paper follows the locale.
    for lang, size in [("C.UTF-8", "(A4)"), ("de_DE.UTF-8", "(A4)"), ("en_US.UTF-8", "(letter)")]:
        path = os.path.join(tmp, f"{lang}.pdf")
        sheet(path, lang=lang)
        check(size in run("pdfinfo", path), f"{lang}: paper is not {size}")

    # Refused: one line on stderr, exit 2, and nothing written.
    os.mkdir(os.path.join(tmp, "taken.pdf"))
    refused = [
        (os.path.join(tmp, "missing", "a.pdf"), [], "Cannot write"),
        (os.path.join(tmp, "taken.pdf"), [], "Cannot write"),
        (os.path.join(tmp, "b.pdf"), ["HScroll99=1"], "unknown control"),
        (os.path.join(tmp, "b.pdf"), ["latitude:=95"], "latitude"),
        (os.path.join(tmp, "b.pdf"), ["--offset-angle", "50"], "0 to 45"),
        (os.path.join(tmp, "b.pdf"), ["--date", "2026-13-01"], "YYYY-MM-DD"),
        (os.path.join(tmp, "b.pdf"), ["--date", "1899-12-31"], "1900 to 2100"),
        (os.path.join(tmp, "b.pdf"), ["--site", "Roof\n7"], "line break"),
    ]
    for path, args, says in refused:
        before = sorted(os.listdir(tmp))
        r = sheet(path, *args)
        lines = r.stderr.strip().splitlines()
        check(r.returncode == 2, f"{args or path}: exit {r.returncode}, not 2")
        check(len(lines) == 1 and says in lines[0], f"{args or path}: stderr {r.stderr!r}")
        check(sorted(os.listdir(tmp)) == before, f"{args or path}: left {os.listdir(tmp)}")

for f in failures:
    print("FAIL:", f)
print(f"job sheet: {len(failures)} failures")
sys.exit(1 if failures else 0)
