#!/usr/bin/env python3
"""Writes the random event file that pins kestrion-cli's behaviour.

Every slider with both event kinds, the four rain options, positions at the
ends of each range and inside. Fixed seed: the file is checked in, and this
script only says how it was made.

    tests/trace/make_events.py > tests/trace/events.txt
"""
import random

# (min, max) of HScroll1..HScroll25
RANGES = [(0, 100), (0, 80), (0, 100), (0, 30), (0, 200), (0, 10000), (0, 30),
          (1, 100), (1, 200), (10, 300), (0, 400), (0, 50), (1, 30), (0, 50),
          (1, 100), (10, 800), (-90, 90), (-180, 180), (-180, 180), (0, 70),
          (20, 500), (1, 100), (0, 100), (1, 100), (1, 100)]
OPTIONS = ["rainoff", "Option1", "Option2", "Option3"]
COUNT = 120_000

rng = random.Random(20261208)
lines = []
for _ in range(COUNT):
    if rng.random() < 0.12:
        lines.append(rng.choice(OPTIONS))
        continue
    n = rng.randrange(len(RANGES))
    lo, hi = RANGES[n]
    r = rng.random()
    p = lo if r < 0.15 else hi if r < 0.30 else rng.randint(lo, hi)
    lines.append(f"HScroll{n + 1}{rng.choice('=~')}{p}")
print("\n".join(lines))
