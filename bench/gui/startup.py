#!/usr/bin/env python3
"""Wall time from process start to the first painted frame, offscreen.

Runs the empty Qt window and Kestrion alternately, so both meet the same load
on the machine, and prints the median of each and their ratio.

    bench/gui/startup.py [BUILD_DIR] [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
programs = {
    "empty window": os.path.join(build, "bench/gui/empty_window_first_frame"),
    "kestrion": os.path.join(build, "bench/gui/kestrion_first_frame"),
}
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def first_frame_ms(path):
    start = time.time_ns()
    out = subprocess.run([path], env=env, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, check=True).stdout
    return (int(out.split()[-1]) - start) / 1e6


for path in programs.values():  # warm the page cache
    first_frame_ms(path)
times = {name: [] for name in programs}
for _ in range(runs):
    for name, path in programs.items():
        times[name].append(first_frame_ms(path))
medians = {name: statistics.median(t) for name, t in times.items()}
for name, t in times.items():
    print(f"{name:13s} median {medians[name]:6.1f} ms  "
          f"(min {min(t):.1f}, max {max(t):.1f}, {len(t)} runs)")
print(f"ratio kestrion / empty window: {medians['kestrion'] / medians['empty window']:.2f}")
