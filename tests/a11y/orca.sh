#!/usr/bin/env bash
# Runs the window under Orca, as a blind installer would, in English and in
# German: an X server of its own with a window manager, and for each language
# a session bus with the accessibility bus (listen.py). Skips (77) with one
# line when Orca or another tool is missing, or when an Orca of this user is
# running already (Orca allows one, and the user's own is left alone).
set -u
kestrion=${1:?usage: orca.sh KESTRION}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # Debian's, which has pyatspi
if ! command -v orca >/dev/null 2>&1; then
  echo "a11y.orca: skipped: orca is not installed (scripts/install-deps.sh --ci installs it)"
  exit 77
fi
. "$here/display.sh"
needs a11y.orca Xvfb dbus-run-session xdotool openbox "$python"
# Another run of this test may be finishing; wait for it a while.
for _ in $(seq 90); do
  pgrep -u "$(id -u)" -x orca >/dev/null || break
  sleep 1
done
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "a11y.orca: skipped: an Orca of this user is running, and Orca allows only one"
  exit 77
fi

work=$(mktemp -d)
pids=()
stop() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  wait 2>/dev/null
  pids=()
}
keep=0
trap 'stop; [ "$keep" -eq 1 ] || rm -rf "$work"' EXIT

# A window manager that gives the window that opens the focus, on an X
# server of its own. A new one for each language: the accessibility bus
# leaves its address on the screen.
start_display() {
  if ! start_xvfb "$work"; then
    echo "a11y.orca: Xvfb did not start: $(tail -1 "$work/xvfb.log")"
    return 1
  fi
  pids+=("$XVFB_PID")
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
}

status=0
for language in en de; do
  start=$SECONDS
  start_display || exit 1
  TMPDIR="$work" dbus-run-session -- "$python" "$here/listen.py" "$kestrion" "$language" \
    2>"$work/stderr" | { grep -v SpiRegistry || true; }
  result=${PIPESTATUS[0]}
  stop
  if [ "$result" -ne 0 ]; then
    grep -v -E "dbus-daemon|XDG_RUNTIME_DIR|SpiRegistry|keyEventError|KeyboardListener" \
      "$work/stderr" | tail -20
    status=1
    keep=1
  fi
  echo "a11y.orca ($language): $([ "$result" -eq 0 ] && echo passed || echo failed) in $((SECONDS - start)) s"
done
exit $status
