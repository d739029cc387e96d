#!/usr/bin/env bash
# Every text is translated: lupdate over today's sources, run on copies of
# the catalogues, leaves no unfinished message in any language.
set -euo pipefail
lupdate=$1
cmake=$2
generate=$3  # Qt's script that turns CMake's lupdate project into lupdate's
project=$4   # sources and include paths, as CMake wrote them
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cmake" -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generate"
project="$work/project.json"
failed=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none -project "$project" -ts "$copy" 2>/dev/null
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  if [ "$unfinished" -ne 0 ]; then
    echo "$(basename "$ts"): $unfinished unfinished"
    grep -B2 'type="unfinished"' "$copy" | grep '<source>' | head -n 5
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "translations: every text translated in $# languages"
exit "$failed"
