"""What Orca says as a listener walks the window by keyboard: the new page's
name at every page change (Ctrl+Tab, Ctrl+Shift+Tab, the arrow keys on the
tab strip, a click on a tab), a slider's results with caption and unit once it
rests (once for a held key), on the alignment page with the magnetic bearing
and the warning, and again on F5. Run inside its own session bus, on an X
server with a window manager: listen.py KESTRION LANGUAGE."""
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time
import tty

import pyatspi

# What the listener must hear, in each language the test runs in.
HEARD = {
    "en": {
        "pages": ["System Noise Figure", "NF to Noise Temperature", "Antenna Gain Calculations",
                  "G/T Calculations", "Antenna Alignment", "C/N"],
        "quit": "Quit",
        "first slider": "Antenna noise temperature (K)",
        "noise figure": r"System Noise Figure, \d+\.\d\d dB",
        "azimuth": r"Azimuth angle, \d+\.\d\d deg",
        "bearing": r"Magnetic bearing, \d+(\.\d+)? deg",
        "warning": "Date outside the magnetic model (2025 to 2029).",
    },
    "de": {
        "pages": ["System-Rauschmaß", "Rauschmaß in Rauschtemperatur", "Antennengewinn",
                  "G/T-Berechnung", "Antennenausrichtung", "C/N"],
        "quit": "Beenden",
        "first slider": "Antennen-Rauschtemp. (K)",
        "noise figure": r"System-Rauschmaß, \d+\.\d\d dB",
        "azimuth": r"Azimut, \d+\.\d\d°",
        "bearing": r"Magnetischer Azimut, \d+(\.\d+)?°",
        "warning": "Datum außerhalb des Magnetfeldmodells (2025 bis 2029).",
    },
}
WAIT = 20  # seconds for Orca to speak; it lags while a page is first built
# The spoken text, then the voice Orca would use.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:voice=\S+\s*)?\{.*\}$")

failures = []


class Orca:
    """Orca with its debug log on a terminal, which it writes a line at a
    time, so what it says can be read as it says it."""

    def __init__(self, env, log_path):
        master, follower = pty.openpty()
        tty.setraw(master)
        self.lines = []
        self.lock = threading.Lock()
        self.log = open(log_path, "w", encoding="utf-8")
        self.process = subprocess.Popen(
            ["orca", "--debug-file", os.ttyname(follower)], env=env,
            stdout=self.log, stderr=subprocess.STDOUT)
        # Held open, or reading fails until Orca has opened its end.
        self.follower = follower
        threading.Thread(target=self._read, args=(master,), daemon=True).start()

    def _read(self, fd):
        pending = b""
        while True:
            try:
                chunk = os.read(fd, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *complete, pending = pending.split(b"\n")
            for raw in complete:
                line = raw.decode("utf-8", "replace").rstrip("\r")
                self.log.write(line + "\n")
                match = SPOKEN.search(line)
                if match:
                    with self.lock:
                        self.lines.append(match.group(1))

    def said(self, since=0):
        with self.lock:
            return self.lines[since:]

    def mark(self):
        with self.lock:
            return len(self.lines)

    def wait(self, pattern, since, seconds=WAIT):
        end = time.time() + seconds
        while time.time() < end:
            if any(re.search(pattern, line) for line in self.said(since)):
                return True
            if self.process.poll() is not None:
                return False
            time.sleep(0.1)
        return False

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self.follower)


def key(*keys, delay=120):
    subprocess.run(["xdotool", "key", "--delay", str(delay), *keys], check=True)


def find_frame():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Kestrion" and app.childCount:
            return app[0]
    return None


def wait_for(predicate, seconds):
    end = time.time() + seconds
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    return predicate()


class GiveUp(Exception):
    pass


def expect(orca, what, action, pattern):
    """Does `action` and checks that Orca then speaks `pattern`."""
    since = orca.mark()
    action()
    if not orca.wait(pattern, since):
        failures.append(f"{what}: not heard {pattern!r}; heard {orca.said(since)}")
        if len(failures) == 3:
            raise GiveUp  # the rest would only wait out their time too
    return since


def tab_centre(frame, name):
    strip = [t for t in find_all(frame, pyatspi.ROLE_PAGE_TAB_LIST)][0]
    tab = [t for t in strip if t.name == name][0]
    box = tab.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def find_all(node, role):
    out = []
    for child in node:
        if child is not None:
            if child.getRole() == role:
                out.append(child)
            out.extend(find_all(child, role))
    return out


def walk(orca, frame, heard):
    pages = heard["pages"]
    escaped = [re.escape(p) for p in pages]
    # Ctrl+Tab and back with the focus on Quit, outside the pages.
    expect(orca, "Ctrl+Tab", lambda: key("ctrl+Tab"), escaped[1])
    expect(orca, "Ctrl+Shift+Tab", lambda: key("ctrl+shift+Tab"), escaped[0])
    # The strip: Tab to it, the arrow keys, a click, Ctrl+Tab on it.
    expect(orca, "Tab to the strip", lambda: key("Tab"), escaped[0])
    expect(orca, "Right on the strip", lambda: key("Right"), escaped[1])
    expect(orca, "Left on the strip", lambda: key("Left"), escaped[0])
    x, y = tab_centre(frame, pages[5])
    expect(orca, "a click on a tab",
           lambda: subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"],
                                  check=True), escaped[5])
    expect(orca, "Ctrl+Tab on the strip", lambda: key("ctrl+Tab"), escaped[0])
    expect(orca, "Tab into the page", lambda: key("Tab"), re.escape(heard["first slider"]))
    # A held arrow key: the results once, after it rests.
    since = expect(orca, "the results after a slider rests",
                   lambda: key("Right", "Right", "Right", "Right", "Right", delay=60),
                   heard["noise figure"])
    time.sleep(2.5)
    told = [line for line in orca.said(since) if re.search(heard["noise figure"], line)]
    if len(told) != 1:
        failures.append(f"the results told {len(told)} times for one held key: {told}")
    # Ctrl+Tab with the focus in a page moves it into the next page.
    for page in escaped[1:5]:
        expect(orca, "Ctrl+Tab from a slider", lambda: key("ctrl+Tab"), page)
    since = expect(orca, "the alignment results", lambda: key("Right"), heard["bearing"])
    results = [line for line in orca.said(since) if re.search(heard["bearing"], line)]
    for what, pattern in (("azimuth", heard["azimuth"]), ("warning", re.escape(heard["warning"]))):
        if not any(re.search(pattern, line) for line in results):
            failures.append(f"alignment results without the {what}: {results}")
    expect(orca, "F5", lambda: key("F5"), heard["bearing"])


def main():
    kestrion, language = sys.argv[1], sys.argv[2]
    heard = HEARD[language]
    home = tempfile.mkdtemp(prefix="kestrion-orca-")
    runtime = os.path.join(home, "run")
    os.mkdir(runtime, 0o700)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
               XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8",
               # No speech server: the log is what is heard, and nothing is
               # spoken through the user's own.
               SPEECHD_ADDRESS="unix_socket:" + os.path.join(home, "no-speech"),
               SPEECHD_CMD="/bin/false")
    for variable in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
        env.pop(variable, None)
    if language != "en":
        env["LANGUAGE"] = language
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program = subprocess.Popen(
        [kestrion, "--date", "2030-06-01"],
        env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                 QT_QPA_PLATFORM="xcb"))
    orca = None
    try:
        frame = wait_for(find_frame, 30)
        if frame is None:
            print(f"a11y.orca ({language}): kestrion did not appear on the accessibility bus")
            return 1
        orca = Orca(env, os.path.join(home, "orca.log"))
        if not orca.wait(re.escape(heard["quit"]), 0, 60):
            print(f"a11y.orca ({language}): Orca never spoke the focused Quit button; "
                  f"log in {home}/orca.log")
            return 1
        walk(orca, frame, heard)
    except GiveUp:
        failures.append("gave up after three")
    finally:
        if orca is not None:
            orca.stop()
        program.kill()
        program.wait()
        # Asked, the launcher takes its accessibility bus down with it.
        launcher.terminate()
        try:
            launcher.wait(10)
        except subprocess.TimeoutExpired:
            launcher.kill()
            launcher.wait()
    for failure in failures:
        print(f"a11y.orca ({language}): FAILED: {failure}")
    if failures:
        print(f"a11y.orca ({language}): Orca's log: {home}/orca.log")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
