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
for tool in Xvfb dbus-run-session xdotool openbox "$python"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "a11y.orca: skipped: $tool is not installed"
    exit 77
  fi
done
if [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
  echo "a11y.orca: skipped: at-spi2-core or python3-pyatspi is not installed"
  exit 77
fi
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

# An X server on a display number nobody uses, chosen by the server itself,
# and a window manager that gives the window that opens the focus. A new one
# for each language: the accessibility bus leaves its address on the screen.
start_display() {
  rm -f "$work/display"
  exec 5>"$work/display"
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  exec 5>&-
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$work/display" ]; then
    echo "a11y.orca: Xvfb did not start: $(tail -1 "$work/xvfb.log")"
    return 1
  fi
  export DISPLAY=":$(head -1 "$work/display")"
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
