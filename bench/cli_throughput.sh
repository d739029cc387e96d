#!/usr/bin/env bash
# Times kestrion-cli on 1,000,000 mixed events read from standard input: every
# slider of every page (Change and Scroll) and the four options, positions
# spread over each slider's range. Target: under 3 s.
#
#   bench/cli_throughput.sh [path/to/kestrion-cli] [event count]
set -euo pipefail

cli=${1:-$(dirname "$0")/../build/default/app/kestrion-cli}
count=${2:-1000000}
if [ ! -x "$cli" ]; then
  echo "cli_throughput: no kestrion-cli at $cli; build first or pass its path" >&2
  exit 1
fi

events=$(mktemp)
trap 'rm -f "$events"' EXIT

# Slider ranges, in slider order HScroll1..HScroll25.
awk -v count="$count" 'BEGIN {
  split("0 0 0 0 0 0 0 1 1 10 0 0 1 0 1 10 -90 -180 -180 0 20 1 0 1 1", lo, " ")
  split("100 80 100 30 200 10000 30 100 200 300 400 50 30 50 100 800 90 180 180 70 500 100 100 100 100", hi, " ")
  split("rainoff Option1 Option2 Option3", opt, " ")
  seed = 12345
  for (i = 0; i < count; i++) {
    seed = (seed * 69069 + 1) % 4294967296
    k = seed % 29
    if (k >= 25) { print opt[k - 24]; continue }
    n = k + 1
    span = hi[n] - lo[n] + 1
    p = lo[n] + int(seed / 29) % span
    print "HScroll" n ((seed % 2) ? "=" : "~") p
  }
}' > "$events"

echo "cli_throughput: $count events ($(wc -c < "$events") bytes) through $cli -"
start=$(date +%s.%N)
"$cli" - < "$events" > /dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" -v n="$count" 'BEGIN {
  t = e - s
  printf "cli_throughput: %.3f s, %.0f ns per event (target < 3 s for 1,000,000)\n", t, t * 1e9 / n
  exit (n >= 1000000 && t >= 3) ? 1 : 0
}'
