#!/usr/bin/env bash
# Starts kestrion under Xvfb with its own session bus and the accessibility
# bus, and walks its tree as a screen reader would (walk.py). Skips (77)
# with one line when no X server or accessibility bus can be had.
set -u
kestrion=${1:?usage: run.sh KESTRION}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # Debian's, which has pyatspi
. "$here/display.sh"
needs a11y Xvfb dbus-run-session "$python"
launcher=/usr/libexec/at-spi-bus-launcher
export KESTRION="$kestrion" WALK="$here/walk.py" LAUNCHER="$launcher" PYTHON="$python"
work=$(mktemp -d)
trap 'kill "${XVFB_PID:-}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
if ! start_xvfb "$work"; then
  echo "a11y: skipped: Xvfb did not start: $(tail -1 "$work/xvfb.log")"
  exit 77
fi
set -o pipefail
dbus-run-session -- bash -c '
  "$LAUNCHER" --launch-immediately >/dev/null 2>&1 &
  sleep 0.5
  "$PYTHON" "$WALK" "$KESTRION"' 2>&1 | { grep -v -E "dbus-daemon|XDG_RUNTIME_DIR|SpiRegistry" || true; }
