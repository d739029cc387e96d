#!/usr/bin/env python3
"""kestrion --job-sheet against kestrion-cli: the PDF holds the texts the
same EVENTs give, renders as a page with ink on it, takes the locale's paper;
each kind of target is written as it asks and stays what it was, and a
refused run leaves no file behind."""
import errno
import json
import os
import re
import stat
import subprocess
import sys
import tempfile
import threading

KESTRION, CLI = sys.argv[1], sys.argv[2]
DATE = "2026-12-08"
EVENTS = ["latitude:=33 55 29 S", "longitude:=18.4241", "satellite:=19.2", "Option2",
          "HScroll21=80", "HScroll1=7"]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def sheet(path, *args, lang="C.UTF-8", text=True, cwd=None, stdout=subprocess.PIPE):
    env = dict(os.environ, LANG=lang, LC_ALL="")
    env.pop("XDG_RUNTIME_DIR", None)  # Qt's note on it must not reach stderr
    env.pop("QT_QPA_PLATFORM", None)  # it must do without a display by itself
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    return subprocess.run([KESTRION, "--job-sheet", path, *args], env=env, cwd=cwd,
                          stdout=stdout, stderr=subprocess.PIPE, text=text, timeout=60)


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def kind(path):
    try:
        mode = os.lstat(path).st_mode
    except FileNotFoundError:
        return "none"
    return next(name for name, test in [("link", stat.S_ISLNK), ("file", stat.S_ISREG),
                                        ("fifo", stat.S_ISFIFO), ("char", stat.S_ISCHR),
                                        ("dir", stat.S_ISDIR)] if test(mode))


def full_device(tmp):
    """A node of /dev/full's own where the system lets us make one, so that a
    writer that replaced its target could not take the machine's."""
    node = os.path.join(tmp, "full")
    try:
        os.mknod(node, stat.S_IFCHR | 0o666, os.stat("/dev/full").st_rdev)
        with open(node, "wb", buffering=0) as probe:
            probe.write(b"x")
    except OSError as e:
        if e.errno == errno.ENOSPC:
            return node
        if os.path.lexists(node):
            os.remove(node)
    return "/dev/full"


def is_pdf(data):
    return data is not None and data.startswith(b"%PDF-") and data.rstrip().endswith(b"%%EOF")


def check_targets(tmp):
    """Each kind of target: the exit status, what its reader gets, and the
    target still the same kind of file; a refusal names the path and the
    system's reason on one line and leaves nothing behind."""
    folder = os.path.join(tmp, "targets")
    os.mkdir(folder)
    open(os.path.join(folder, "old.pdf"), "wb").write(b"old")
    open(os.path.join(folder, "real.pdf"), "wb").write(b"old")
    os.symlink("real.pdf", os.path.join(folder, "link.pdf"))
    os.mkfifo(os.path.join(folder, "fifo"))
    os.mkdir(os.path.join(folder, "taken.pdf"))
    full = full_device(tmp)
    fifo_got = []
    read_file = lambda name: lambda r: open(os.path.join(folder, name), "rb").read()
    targets = [  # name, path, exit, what its reader gets, kind after, the reason refused
        ("regular file", "old.pdf", 0, read_file("old.pdf"), "file", None),
        ("link", "link.pdf", 0, read_file("real.pdf"), "link", None),
        ("FIFO with a reader", "fifo", 0, lambda r: b"".join(fifo_got), "fifo", None),
        ("- into a pipe", "-", 0, lambda r: r.stdout, "none", None),
        ("- into a pipe nobody reads", "-", 2, None, "none", "Broken pipe"),
        ("/dev/full", full, 2, None, "char", "No space left on device"),
        ("directory", "taken.pdf", 2, None, "dir", ""),
        ("missing folder", "missing/a.pdf", 2, None, "none", ""),
    ]
    for name, path, status, received, after, reason in targets:
        reader = threading.Thread(
            target=lambda: fifo_got.append(open(os.path.join(folder, "fifo"), "rb").read()),
            daemon=True)  # left behind if the sheet never comes
        if path == "fifo":
            reader.start()
        # A pipe nobody reads: its reading end closed before the sheet comes.
        unread, pipe = os.pipe() if status and path == "-" else (None, subprocess.PIPE)
        if unread is not None:
            os.close(unread)
        before = sorted(os.listdir(folder))
        r = sheet(path, cwd=folder, text=False, stdout=pipe)
        if unread is not None:
            os.close(pipe)
        if path == "fifo":
            reader.join(timeout=10)
        stderr = r.stderr.decode(errors="replace").strip().splitlines()
        now = kind(os.path.join(folder, path))
        check(r.returncode == status, f"{name}: exit {r.returncode}, not {status}")
        check(received is None or is_pdf(received(r)), f"{name}: the reader got no PDF")
        check(path == "-" or r.stdout == b"", f"{name}: wrote on stdout")
        check(now == after, f"{name}: now {now}, not {after}")
        check(stderr == [] if reason is None else
              len(stderr) == 1 and f"Cannot write the job sheet to {path}: {reason}" in stderr[0],
              f"{name}: stderr {stderr}")
        check(sorted(os.listdir(folder)) == before, f"{name}: left {os.listdir(folder)}")
    check(kind("/dev/full") == "char", "/dev/full is no longer a character device")


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

    # The rain availability's events give the sheet a second page with the
    # state's figures as the report prints them; the first stays as it was.
    rain = ["frequency:=11.7", "rain-zone:=L", "rain-height:=3.2", "required-cn:=QPSK 3/4",
            "target:=99.95"]
    rain_pdf = os.path.join(tmp, "rain.pdf")
    r = sheet(rain_pdf, "--date", DATE, "--offset-angle", "22.5", "--site", "Roof 7", *EVENTS, *rain)
    check(r.returncode == 0, f"rain sheet: exit {r.returncode}, {r.stderr!r}")
    check(re.search(r"^Pages:\s+2$", run("pdfinfo", rain_pdf), re.M), "rain sheet: not two pages")
    check(run("pdftotext", "-layout", "-l", "1", rain_pdf, "-") == text,
          "rain sheet: the first page changed")
    fade = json.loads(run(CLI, "--date", DATE, *EVENTS, *rain, "percent:=0.1,0.05,0.01"))["rainFade"]
    second = run("pdftotext", "-layout", "-f", "2", "-l", "2", rain_pdf, "-")
    dish = fade["dishDiameter"]
    for want in ["11.7 GHz", "60 mm/h", "zone L of the older ITU-R P.837-1 table", "QPSK 3/4",
                 "99.95 %", f"{t['el']}°, {t['Latitud']}°", f"{fade['margin']:.2f} dB",
                 f"{fade['availability']['percent']:.3f} %",
                 f"{dish} cm" if dish else "none up to 500 cm"] + \
            [f"{a['attenuation']:.2f} dB" for a in fade["attenuation"]] + \
            [f"{d['drop']:.2f} dB" for d in fade["carrierToNoiseDrop"]]:
        check(want in second, f"rain sheet: page 2 lacks {want!r}")
    check("at or above the rain height" not in second, "rain sheet: a warning without cause")
    # A station above the rain height: the warning above the figures.
    high_pdf = os.path.join(tmp, "high.pdf")
    sheet(high_pdf, "--date", DATE, *EVENTS, *rain, "station-height:=4")
    high = " ".join(run("pdftotext", "-f", "2", "-l", "2", high_pdf, "-").split())
    warning = "The station height (4 km) is at or above the rain height (3.2 km)"
    check(warning in high and high.index(warning) < high.index("Rain availability"),
          f"rain sheet: no warning above the figures in {high!r}")

    # A long site name (a street address) wraps: all of it is on the sheet.
    long_pdf = os.path.join(tmp, "long.pdf")
    street = ("Calle de la Princesa 123, 28008 Madrid, Comunidad de Madrid, España, "
              "tejado del edificio norte junto a la antena de la comunidad de vecinos")
    sheet(long_pdf, "--date", DATE, "--site", street, *EVENTS)
    words = " ".join(run("pdftotext", long_pdf, "-").split())
    check(f"Site: {street}" in words, f"long site name cut off: {words[:300]!r}")
    check(re.search(r"^Pages:\s+1$", run("pdfinfo", long_pdf), re.M), "long site: not one page")

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

    check_targets(tmp)

    # Refused: one line on stderr, exit 2, and nothing written.
    refused = [
        (["HScroll99=1"], "unknown control"),
        (["latitude:=95"], "latitude"),
        (["rain-zone:=I"], "rain-zone \"I\" is no rain zone"),
        (["--offset-angle", "50"], "0 to 45"),
        (["--date", "2026-13-01"], "YYYY-MM-DD"),
        (["--date", "1899-12-31"], "1900 to 2100"),
        (["--site", "Roof\n7"], "line break"),
    ]
    for args, says in refused:
        before = sorted(os.listdir(tmp))
        r = sheet(os.path.join(tmp, "b.pdf"), *args)
        lines = r.stderr.strip().splitlines()
        check(r.returncode == 2, f"{args}: exit {r.returncode}, not 2")
        check(len(lines) == 1 and says in lines[0], f"{args}: stderr {r.stderr!r}")
        check(sorted(os.listdir(tmp)) == before, f"{args}: left {os.listdir(tmp)}")

for f in failures:
    print("FAIL:", f)
print(f"job sheet: {len(failures)} failures")
sys.exit(1 if failures else 0)
