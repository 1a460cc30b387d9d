# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need their own X server: start_xvfb starts Xvfb, sets DISPLAY and
# xvfb_pid. By default the server picks a free display itself; PLAYHAVEN_XVFB_DISPLAYS="101 102"
# limits it to those numbers (the first free one), for machines that share their displays.
start_xvfb() {
  local n fifo
  if [ -n "${PLAYHAVEN_XVFB_DISPLAYS:-}" ]; then
    for n in $PLAYHAVEN_XVFB_DISPLAYS; do
      [ -e "/tmp/.X$n-lock" ] && continue
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
      xvfb_pid=$!
      for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
      done
      if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        return 0
      fi
    done
    echo "no free display among $PLAYHAVEN_XVFB_DISPLAYS" >&2
    return 1
  fi
  # Two servers starting at once can race for the same display number: try again.
  for _ in 1 2 3 4 5; do
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
    xvfb_pid=$!
    n=""
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    if [ -n "$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    sleep 0.5
  done
  echo "Xvfb did not start" >&2
  return 1
}

# Ends the server started by start_xvfb and waits until it has gone (5 s, then it is killed), so
# that the next test's server never meets this one's display number or sockets still open.
stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  for _ in $(seq 1 50); do
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}
