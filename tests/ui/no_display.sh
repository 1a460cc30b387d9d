#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so in one line and exits with status 1 (not by a signal,
# and not with the toolkit's own message): once with no DISPLAY at all, once with a DISPLAY that
# no X server answers on, and once with X11 chosen by the user.
# Usage: no_display.sh PATH_TO_PLAYHAVEN
set -uo pipefail
program=$1
failures=0

# A display number nothing listens on.
free_display=""
for n in $(seq 990 999); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then free_display=":$n"; break; fi
done

check() {
  local what=$1; shift
  local err status lines
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout -s KILL 20 "$program" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s\n' "$err" | grep -c .)
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q '^playhaven: no display to open a window on (' <<<"$err"; then
    echo "FAIL $what: status $status, output:"
    printf '%s\n' "$err" | sed 's/^/    /'
    failures=$((failures + 1))
  else
    echo "ok   $what: $err"
  fi
}

check "DISPLAY unset"
[ -n "$free_display" ] && check "DISPLAY=$free_display with no server" DISPLAY="$free_display"
[ -n "$free_display" ] && check "xcb chosen, DISPLAY=$free_display with no server" DISPLAY="$free_display" QT_QPA_PLATFORM=xcb
check "xcb chosen, DISPLAY unset" QT_QPA_PLATFORM=xcb

[ "$failures" -eq 0 ]
