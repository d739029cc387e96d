#!/usr/bin/env python3
"""Kestrion's sun against python3-ephem, an implementation it shares nothing with.

    ephem_check.py SUN_PROBE

At sites in both hemispheres, on the equator and above the Arctic Circle,
the sun's and the shadow's times in the dish's direction must agree within
30 s, the sun outages' start, peak and end within 60 s and their closest
approaches within 0.01 degrees. ephem finds its own: the sun's azimuth
sampled through the day, and the days the sun's declination nears the
satellite's, sampled through each. Without python3-ephem it prints one line
and exits 77 (a skip).
"""
import json
import math
import subprocess
import sys
from datetime import datetime, timedelta, timezone

try:
    import ephem
except ImportError:
    print("sun against ephem: skipped: python3-ephem is not installed")
    sys.exit(77)

SUN_SECONDS = 30
OUTAGE_SECONDS = 60
SEPARATION = 0.01

# Where, the satellite, the date of the sun's times, the dish (m, GHz).
CASES = [
    ("Berlin, Astra 19.2E", 52.52, 13.405, "19.2", "2027-03-04", 0.8, 12),
    ("Sydney, 156E", -33.87, 151.21, "156", "2027-01-01", 0.6, 12.5),
    ("On the equator at 51W, 61W, at the equinox", 0, -51.07, "-61", "2027-03-20", 1.2, 11),
    ("Tromsoe, 1W, midnight sun", 69.65, 18.96, "-1", "2027-06-21", 1.5, 12),
    ("Longyearbyen, 5E", 78.22, 15.65, "5", "2027-04-20", 2.4, 12),
]


def observer(lat, lon):
    o = ephem.Observer()
    o.lat, o.lon = math.radians(lat), math.radians(lon)
    o.elevation = 0
    o.pressure = 0  # geometric, as Kestrion compares
    return o


def sun_at(o, when):
    o.date = ephem.Date(when)
    s = ephem.Sun(o)
    return math.degrees(s.az), math.degrees(s.alt)


def off(a, b):
    return (a - b + 180) % 360 - 180


def unit(az, el):
    a, e = math.radians(az), math.radians(el)
    return (math.cos(e) * math.cos(a), math.cos(e) * math.sin(a), math.sin(e))


def angle(u, v):
    cross = (u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0])
    return math.degrees(math.atan2(math.sqrt(sum(c * c for c in cross)), sum(a * b for a, b in zip(u, v))))


def bisect(f, a, b, steps=24):
    fa = f(a) < 0
    for _ in range(steps):
        m = a + (b - a) / 2
        if (f(m) < 0) == fa:
            a = m
        else:
            b = m
    return a + (b - a) / 2


def sun_times(o, day, target):
    """Times in the UTC day the sun, above the horizon, stands at the azimuth."""
    found = []
    step = timedelta(minutes=2)
    t = day
    az, _ = sun_at(o, t)
    while t < day + timedelta(days=1):
        u = t + step
        az_u, _ = sun_at(o, u)
        ga, gb = off(az, target), off(az_u, target)
        if abs(ga) < 90 and abs(gb) < 90 and (ga < 0) != (gb < 0):
            r = bisect(lambda x: off(sun_at(o, x)[0], target), t, u)
            if sun_at(o, r)[1] > 0:
                found.append(r)
        t, az = u, az_u
    return found


def closest(o, sat, a, b):
    sep = lambda t: angle(unit(*sun_at(o, t)), sat)
    for _ in range(40):
        m1, m2 = a + (b - a) / 3, b - (b - a) / 3
        if sep(m1) < sep(m2):
            b = m2
        else:
            a = m1
    peak = a + (b - a) / 2
    return peak, sep(peak)


def outages(o, sat_az, sat_el, threshold, start, days):
    """Windows whose closest approach falls in the days from start."""
    sat = unit(sat_az, sat_el)
    lat = o.lat
    a, e = math.radians(sat_az), math.radians(sat_el)
    sat_dec = math.degrees(math.asin(math.sin(lat) * math.sin(e) + math.cos(lat) * math.cos(e) * math.cos(a)))
    sep = lambda t: angle(unit(*sun_at(o, t)), sat)
    windows = []
    for d in range(-1, days + 1):
        noon = start + timedelta(days=d, hours=12)
        o.date = ephem.Date(noon)
        if abs(math.degrees(ephem.Sun(o).dec) - sat_dec) > threshold + 1:
            continue
        step = timedelta(minutes=4)
        times = [noon + step * i for i in range(-181, 182)]
        seps = [sep(t) for t in times]
        for i in range(1, len(times) - 1):
            if seps[i] < threshold + 2 and seps[i - 1] >= seps[i] < seps[i + 1]:
                peak, s = closest(o, sat, times[i - 1], times[i + 1])
                if s < threshold and start <= peak < start + timedelta(days=days):
                    begin = bisect(lambda x: sep(x) - threshold, peak - timedelta(hours=14), peak)
                    end = bisect(lambda x: threshold - sep(x), peak, peak + timedelta(hours=14))
                    windows.append((begin, peak, end, s))
    return windows


def when(text):
    return datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ").replace(tzinfo=timezone.utc)


def compare_times(name, ours, theirs, failures):
    ours = [when(t["time"]) for t in ours]
    if len(ours) != len(theirs) or any(abs((a - b).total_seconds()) > SUN_SECONDS for a, b in zip(ours, theirs)):
        failures.append(f"{name}: {[str(t) for t in ours]} against ephem's {[str(t) for t in theirs]}")
    return max([abs((a - b).total_seconds()) for a, b in zip(ours, theirs)], default=0)


def compare_windows(name, ours, theirs, threshold, failures):
    worst_time, worst_sep = 0, 0
    left = list(theirs)
    for w in ours:
        peak = when(w["peak"])
        match = min(left, key=lambda x: abs((x[1] - peak).total_seconds()), default=None)
        if match is None or abs((match[1] - peak).total_seconds()) > OUTAGE_SECONDS:
            if threshold - w["separation"] > SEPARATION:
                failures.append(f"{name}: window peaking {w['peak']} not found by ephem")
            continue
        left.remove(match)
        times = [abs((when(w[k]) - m).total_seconds()) for k, m in zip(("start", "peak", "end"), match)]
        worst_time = max(worst_time, *times)
        worst_sep = max(worst_sep, abs(w["separation"] - match[3]))
        if max(times) > OUTAGE_SECONDS or abs(w["separation"] - match[3]) > SEPARATION:
            failures.append(f"{name}: window {w} against ephem's {match}")
    for m in left:
        if threshold - m[3] > SEPARATION:
            failures.append(f"{name}: ephem's window peaking {m[1]} is missing")
    return worst_time, worst_sep


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    failures = []
    for name, lat, lon, sat, date, diameter, frequency in CASES:
        events = [f"latitude:={lat}", f"longitude:={lon}", f"satellite:={sat}"]
        out = subprocess.run([sys.argv[1], date, f"diameter={diameter}", f"frequency={frequency}"] + events,
                             stdout=subprocess.PIPE, check=True, text=True).stdout
        k = json.loads(out)
        o = observer(lat, lon)
        day = datetime.strptime(date, "%Y-%m-%d").replace(tzinfo=timezone.utc)
        sun = compare_times(name + ", sun", k["sunInDirection"], sun_times(o, day, k["azimuth"]), failures)
        shadow = compare_times(name + ", shadow", k["shadowInDirection"],
                               sun_times(o, day, k["azimuth"] + 180), failures)
        theirs = outages(o, k["azimuth"], k["elevation"], k["threshold"], day, k["days"])
        worst_time, worst_sep = compare_windows(name, k["transits"], theirs, k["threshold"], failures)
        print(f"{name}: {len(k['sunInDirection'])} sun and {len(k['shadowInDirection'])} shadow times "
              f"(worst {max(sun, shadow):.0f} s), {len(k['transits'])} outages against ephem's "
              f"{len(theirs)} (worst {worst_time:.0f} s, {worst_sep:.4f} degrees)")
    for f in failures:
        print("FAIL " + f)
    sys.exit(1 if failures else 0)


main()
