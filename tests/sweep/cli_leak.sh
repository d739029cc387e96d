#!/usr/bin/env bash
# Feeds COUNT random events (slider moves inside each slider's range, both
# event kinds, and option clicks) to kestrion-cli on standard input. Run in a
# sanitizer build, LeakSanitizer checks at exit that nothing leaked.
# usage: cli_leak.sh KESTRION_CLI [COUNT]
set -euo pipefail
cli="$1"
count="${2:-1000000}"
# Slider names and ranges as kestrion-cli's own help lists them.
ranges=$("$cli" --help | sed -n 's/^ *\(HScroll[0-9]*\) .*, \(-\{0,1\}[0-9]*\)\.\.\([0-9]*\) (start.*/\1 \2 \3/p')
[ "$(wc -l <<<"$ranges")" -eq 25 ] || { echo "cli_leak: could not read the slider ranges" >&2; exit 1; }

err=$(mktemp)
trap 'rm -f "$err"' EXIT
status=0
awk -v n="$count" -v list="$ranges" 'BEGIN {
  srand(6); k = split(list, f, "\n");
  for (i = 1; i <= k; i++) { split(f[i], g, " "); name[i] = g[1]; lo[i] = g[2]; hi[i] = g[3] }
  split("rainoff Option1 Option2 Option3", opt, " ");
  for (e = 0; e < n; e++) {
    if (rand() < 0.05) { print opt[1 + int(rand() * 4)]; continue }
    s = 1 + int(rand() * k);
    print name[s] (rand() < 0.5 ? "=" : "~") (lo[s] + int(rand() * (hi[s] - lo[s] + 1)))
  }
}' | "$cli" - >/dev/null 2>"$err" || status=$?
if [ "$status" -ne 0 ] || [ -s "$err" ]; then
  cat "$err" >&2
  echo "cli_leak: kestrion-cli ended with status $status after $count events" >&2
  exit 1
fi
echo "cli_leak: $count events, status 0, nothing on stderr"
