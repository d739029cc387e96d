#!/usr/bin/env bash
# Builds kestrion-sweep (optimised, without the window) in build/sweep and runs
# the full sweep over every page; arguments are passed on (for example
# --threads 1, --reduced, --page cn). Exit status 1 when a claim broke.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/sweep
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTRION_GUI=OFF -DKESTRION_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2 --target kestrion-sweep
if [ $# -eq 0 ]; then
  set -- --threads 2
fi
exec "$build/tools/sweep/kestrion-sweep" "$@"
