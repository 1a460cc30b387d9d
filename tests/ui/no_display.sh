#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so in one line and exits with status 1 (not by a signal,
# and not with the toolkit's own message): once with no DISPLAY at all, once with a DISPLAY that
# no X server answers on, once with X11 chosen by the user, and with Wayland chosen where no
# compositor answers. So it does for a QT_SCALE_FACTOR at which nothing could be drawn.
# Usage: no_display.sh PATH_TO_PLAYHAVEN
set -uo pipefail
program=$1
failures=0

# A display number nothing listens on.
free_display=""
for n in $(seq 990 999); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then free_display=":$n"; break; fi
done

no_display='^playhaven: no display to open a window on ('

# check WHAT PATTERN [VAR=value...] [-- program arguments...]
check() {
  local what=$1 pattern=$2; shift 2
  local settings=() err status lines
  while [ $# -gt 0 ] && [ "$1" != -- ]; do settings+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR "${settings[@]}" \
    timeout -s KILL 20 "$program" "$@" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s\n' "$err" | grep -c .)
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q "$pattern" <<<"$err"; then
    echo "FAIL $what: status $status, output:"
    printf '%s\n' "$err" | sed 's/^/    /'
    failures=$((failures + 1))
  else
    echo "ok   $what: $err"
  fi
}

check "DISPLAY unset" "$no_display"
[ -n "$free_display" ] && check "DISPLAY=$free_display with no server" "$no_display" DISPLAY="$free_display"
[ -n "$free_display" ] && check "xcb chosen, DISPLAY=$free_display with no server" "$no_display" DISPLAY="$free_display" QT_QPA_PLATFORM=xcb
check "xcb chosen, DISPLAY unset" "$no_display" QT_QPA_PLATFORM=xcb

# A runtime folder where no compositor has its socket.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
check "wayland chosen, no compositor" "$no_display"'no Wayland compositor answers on '"$runtime"'/wayland-0)' \
  XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=wayland
check "-platform wayland, no compositor" "$no_display"'no Wayland compositor answers on '"$runtime"'/wayland-1)' \
  XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1 -- -platform wayland

# Told before a missing display is.
check "QT_SCALE_FACTOR=0" '^playhaven: QT_SCALE_FACTOR must be above 0 (it is 0)$' QT_SCALE_FACTOR=0
check "QT_SCALE_FACTOR=-1" '^playhaven: QT_SCALE_FACTOR must be above 0 (it is -1)$' QT_SCALE_FACTOR=-1

[ "$failures" -eq 0 ]
