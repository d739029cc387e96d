# Sourced by the accessibility tests: what they need checked, and an X server
# of their own.

# needs NAME TOOL...: each tool and the accessibility bus with pyatspi, or
# exit 77 with one line saying what is missing.
needs() {
  local name=$1 tool
  shift
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "$name: skipped: $tool is not installed"
      exit 77
    fi
  done
  if [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "$name: skipped: at-spi2-core or python3-pyatspi is not installed"
    exit 77
  fi
}

# start_xvfb DIR: an X server on a display number nobody uses, chosen by the
# server itself, so X servers of tests running side by side never collide.
# Sets DISPLAY and XVFB_PID; returns 1 when it did not start, its reason in
# DIR/xvfb.log.
start_xvfb() {
  rm -f "$1/display"
  exec 5>"$1/display"
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec 5>&-
  for _ in $(seq 100); do
    [ -s "$1/display" ] && break
    sleep 0.1
  done
  [ -s "$1/display" ] || return 1
  export DISPLAY=":$(head -1 "$1/display")"
}
