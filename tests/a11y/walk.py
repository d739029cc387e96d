"""The window through AT-SPI, as a screen reader meets it: the pages as page
tabs, every slider named by what it sets and valued in its unit, tied to its
value box and caption, the results as text, the options, buttons, link and
menu items with their actions, and a slider set through AT-SPI updating the
result the tree reports."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

R = pyatspi
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def wait_for(predicate, seconds=15.0):
    end = time.time() + seconds
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return predicate()


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Kestrion":
            return app
    return None


def descendants(node, role=None):
    out = []
    for child in node:
        if child is None:
            continue
        if role is None or child.getRole() == role:
            out.append(child)
        out.extend(descendants(child, role))
    return out


def showing(node):
    return node.getState().contains(R.STATE_SHOWING)


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def related(node, relation):
    names = []
    for r in node.getRelationSet():
        if r.getRelationType() == relation:
            names += [r.getTarget(i).name for i in range(r.getNTargets())]
    return names


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
           QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=tempfile.mkdtemp(), LANG="C.UTF-8")
for key in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
    env.pop(key, None)
program = subprocess.Popen([sys.argv[1], "--date", "2026-01-01"], env=env)
try:
    app = wait_for(find_app, 15)
    if app is None:
        print("a11y: kestrion did not appear on the accessibility bus")
        sys.exit(1)
    frame = wait_for(lambda: app[0] if app.childCount else None)
    tabs = wait_for(lambda: descendants(frame, R.ROLE_PAGE_TAB_LIST))
    check(len(tabs) == 1, "one page tab list")
    pages = [t for t in tabs[0]] if tabs else []
    titles = ["System Noise Figure", "NF to Noise Temperature", "Antenna Gain Calculations",
              "G/T Calculations", "Antenna Alignment", "C/N"]
    check([p.name for p in pages] == titles, "six page tabs named by their titles")
    check(all(p.getRole() == R.ROLE_PAGE_TAB for p in pages), "page tabs")
    check(pages and pages[0].getState().contains(R.STATE_SELECTED), "the first tab selected")

    sliders_seen = 0
    for index, page in enumerate(pages):
        page.queryAction().doAction(0)
        check(wait_for(lambda: page.getState().contains(R.STATE_SELECTED)),
              f"tab {page.name} selected by its action")
        bars = wait_for(lambda: [b for b in descendants(frame, R.ROLE_SCROLL_BAR) if showing(b)])
        check(bars, f"{page.name}: sliders shown after the tab's action")
        for bar in bars:
            sliders_seen += 1
            check(bar.name != "", f"{page.name}: a slider without a name")
            labels = related(bar, R.RELATION_LABELLED_BY)
            check(bar.name in labels and len(labels) >= 2,
                  f"{bar.name}: labelled by its caption and value box ({labels})")
            value = bar.queryValue()
            check(value.minimumValue <= value.currentValue <= value.maximumValue,
                  f"{bar.name}: value inside its range")
        if index == 0:
            lnb = [b for b in bars if b.name == "LNB Noise Figure (dB)"]
            check(lnb and abs(lnb[0].queryValue().currentValue - 1.0) < 1e-9,
                  "LNB noise figure reads 1.0, not 10")
            result = [n for n in descendants(frame, R.ROLE_LABEL)
                      if n.name == "System Noise Figure (dB)" and showing(n)
                      and "Text" in pyatspi.utils.listInterfaces(n)]
            check(result and text_of(result[-1]) == "1.01", "the result box reads 1.01")
            if lnb and result:
                lnb[0].queryValue().currentValue = 2.0
                check(wait_for(lambda: text_of(result[-1]) != "1.01"),
                      "setting the slider through AT-SPI updates the result")
                check(abs(lnb[0].queryValue().currentValue - 2.0) < 1e-9, "the slider reads 2.0")
        if page.name == "C/N":
            radios = [r for r in descendants(frame, R.ROLE_RADIO_BUTTON) if showing(r)]
            check([r.name for r in radios] == ["Clear sky", "Rain 5 mm/h", "Rain 10 mm/h",
                                               "Rain 50 mm/h"], "the four rain options")
            check(radios and radios[0].getState().contains(R.STATE_CHECKED), "clear sky checked")
            footprint = [b for b in descendants(frame, R.ROLE_PUSH_BUTTON)
                         if b.name == "Footprints on the web"]
            check(footprint and footprint[0].queryAction().nActions > 0, "footprint button action")
    check(sliders_seen == 25, f"25 sliders met, not {sliders_seen}")

    # The rain availability section, opened from the Edit menu: number boxes
    # named by what they set, the figures readable as text with their units.
    edit = [m for m in descendants(frame, R.ROLE_MENU_ITEM) if m.name == "Edit"]
    rain_item = [m for m in (descendants(edit[0]) if edit else [])
                 if m.name.startswith("Rain availability")]
    check(rain_item and rain_item[0].queryAction().nActions > 0, "the rain availability item")
    if rain_item:
        rain_item[0].queryAction().doAction(0)
        dialog = wait_for(lambda: next((w for w in app if w is not None
                                        and w.name == "Rain availability (ITU-R)"), None))
        check(dialog is not None, "the rain availability window")
        boxes = wait_for(lambda: descendants(dialog, R.ROLE_SPIN_BUTTON)) if dialog else []
        check([b.name for b in boxes][:3] == ["Frequency", "Tilt from the horizontal",
                                              "Rain rate R0.01"] and len(boxes) == 7,
              f"seven named number boxes ({[b.name for b in boxes]})")
        check(boxes and abs(boxes[0].queryValue().currentValue - 12) < 1e-9, "frequency reads 12")
        fades = [n for n in (descendants(dialog, R.ROLE_LABEL) if dialog else [])
                 if n.name == "Rain fade at 99.9 %" and "Text" in pyatspi.utils.listInterfaces(n)]
        check(fades and text_of(fades[0]).endswith(" dB"), "the fade at 99.9 % read in dB")

    quit_button = [b for b in descendants(frame, R.ROLE_PUSH_BUTTON) if b.name == "Quit"]
    check(quit_button and quit_button[0].queryAction().nActions > 0, "Quit with an action")
    links = descendants(frame, R.ROLE_LINK)
    check(links and links[0].name.startswith("http://") and links[0].queryAction().nActions > 0,
          "the web link with an action")
    items = [m for m in descendants(frame, R.ROLE_MENU_ITEM) if m.name]
    check(any(m.name == "About" for m in items), "the About menu item")
    check(all(m.queryAction().nActions > 0 for m in items), "menu items with actions")
finally:
    program.kill()
    program.wait()

for f in failures:
    print("a11y: FAILED:", f)
print(f"a11y: {'failed' if failures else 'passed'}")
sys.exit(1 if failures else 0)
