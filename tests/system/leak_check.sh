#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A short real run of Playhaven under Valgrind's memcheck on its own X server: log on, start the
# rocket race, let it run, and leave through Exit. Fails on any invalid access, any use of
# undefined memory and any definite or indirect leak, apart from the toolkit's own noise listed
# (each with its reason) in tests/sanitizers/valgrind.supp.
# Usage: leak_check.sh PATH_TO_PLAYHAVEN
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../xvfb.sh"
work=$(mktemp -d)
trap 'kill ${app_pid:-} 2>/dev/null || true; stop_xvfb; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
start_xvfb

HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect --error-exitcode=99 --num-callers=40 \
  --suppressions="$here/../sanitizers/valgrind.supp" --gen-suppressions=all \
  --log-file="$work/memcheck.log" "$program" &
app_pid=$!

# Waits for a visible window of that title and prints its id.
window() {
  for _ in $(seq 1 600); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.2
  done
  echo "no window \"$1\" appeared" >&2
  return 1
}
# Clicks at a point of a window's client area, given in twips as the window tables give it: 15 to
# a pixel at display scale 1, at the scale in hundredths (scale_c).
scale_c=100
click_twips() {
  xdotool mousemove --window "$1" $(($2 * scale_c / 1500)) $(($3 * scale_c / 1500)) click 1
}

logon=$(window "Enter Program Password")
# The scale the program chose for the screen, from the logon's width (6510 twips in its table).
scale_c=$((($(xwininfo -id "$logon" | awk '/Width:/{print $2}') * 1500 + 6510 / 2) / 6510))
click_twips "$logon" 270 270 # the logo: its file is absent, so the picture stays
xdotool windowfocus --sync "$logon"
click_twips "$logon" 3000 860
xdotool type --delay 50 ann
click_twips "$logon" 3000 1340
xdotool type --delay 50 ann
xdotool key Return
greeting=$(window Playhaven) # the box that repeats the name and password
xdotool windowfocus --sync "$greeting"
xdotool key Return
launcher=$(window Skydash)
sleep 2
menu=${PLAYHAVEN_MENU_HEIGHT_TWIPS:-300}
click_twips "$launcher" 6000 $((6720 + 450 + menu)) # Start Race
sleep 15
click_twips "$launcher" 6000 $((6720 + 1050 + menu)) # Exit

status=0
wait "$app_pid" || status=$?
app_pid=
grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|suppressed:' "$work/memcheck.log" || true
if [ "$status" -ne 0 ]; then
  echo "memcheck reported errors or the program failed (exit status $status):"
  cat "$work/memcheck.log"
  exit 1
fi
echo "memcheck: no invalid access and no leak of the program's own"
