#!/usr/bin/env bash
# The layers depend one way: model -> calc -> engine -> session -> cli, ui,
# api -> desktop. A file may include its own layer and the ones before it,
# never one after; cli, ui and api never include one another; the first four
# layers, the CLI and the API never include Qt. The core computes with
# src/libm's elementary functions, never the C library's, whose last bits differ
# from build to build.
set -u
src="${1:?usage: layers.sh SOURCE_DIR}/src"
failed=0
check() {  # layer, the layers it must not include
  local layer=$1
  shift
  local pattern
  pattern=$(printf '|%s/' "$@")
  local hits
  hits=$(grep -rnE "^\s*#\s*include\s+[\"<](${pattern:1})" "$src/$layer" 2>/dev/null)
  if [ -n "$hits" ]; then
    echo "$layer includes a layer above it:"
    echo "$hits"
    failed=1
  fi
}
check model calc engine session cli ui api desktop
check calc engine session cli ui api desktop
check engine session cli ui api desktop
check session cli ui api desktop
check cli ui api desktop
check ui cli api desktop
check api cli ui desktop
for layer in model calc engine session cli api; do
  hits=$(grep -rnE '^\s*#\s*include\s+<Q' "$src/$layer")
  if [ -n "$hits" ]; then
    echo "$layer includes Qt:"
    echo "$hits"
    failed=1
  fi
done
elementary='std::(a?sin|a?cos|a?tan|atan2|sinh|cosh|tanh|exp|exp2|expm1|log|log10|log1p|log2|pow|hypot|cbrt)\('
hits=$(grep -rnE "$elementary" "$src/model" "$src/calc" "$src/engine" "$src/session" "$src/api")
if [ -n "$hits" ]; then
  echo "the core calls the C library's elementary functions (use libm/elementary.h):"
  echo "$hits"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "layers: every include goes one way"
exit "$failed"
