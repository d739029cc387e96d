#!/usr/bin/env bash
# Starts kestrion under Xvfb with its own session bus and the accessibility
# bus, and walks its tree as a screen reader would (walk.py). Skips (77)
# with one line when no X server or accessibility bus can be had.
set -u
kestrion=${1:?usage: run.sh KESTRION}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # Debian's, which has pyatspi
for tool in Xvfb dbus-run-session "$python"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "a11y: skipped: $tool is not installed"
    exit 77
  fi
done
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
  echo "a11y: skipped: at-spi2-core or python3-pyatspi is not installed"
  exit 77
fi
export KESTRION="$kestrion" WALK="$here/walk.py" LAUNCHER="$launcher" PYTHON="$python"
# An X server on a display number nobody uses, chosen by the server itself:
# other X servers on the machine (tests run side by side) never collide.
work=$(mktemp -d)
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 5>&-
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "a11y: skipped: Xvfb did not start: $(tail -1 "$work/xvfb.log")"
  exit 77
fi
export DISPLAY=":$(head -1 "$work/display")"
set -o pipefail
dbus-run-session -- bash -c '
  "$LAUNCHER" --launch-immediately >/dev/null 2>&1 &
  sleep 0.5
  "$PYTHON" "$WALK" "$KESTRION"' 2>&1 | { grep -v -E "dbus-daemon|XDG_RUNTIME_DIR|SpiRegistry" || true; }
