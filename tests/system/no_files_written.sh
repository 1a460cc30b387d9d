#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Playhaven stores nothing: run the real program under strace on its own X server with a fresh
# HOME, play a little with real X input, and fail if it created, wrote, renamed or removed any
# file anywhere, or left anything in HOME.
# Usage: no_files_written.sh PATH_TO_PLAYHAVEN
set -euo pipefail
program=$1
source "$(dirname "$0")/../xvfb.sh"
work=$(mktemp -d)
# strace and the program run in a process group of their own, ended whole however this ends
# (strace alone, when killed, would leave the program running).
trap '[ -z "${app_pid:-}" ] || kill -KILL -- "-$app_pid" 2>/dev/null || true; stop_xvfb; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

start_xvfb

# The real program on the X server, whatever platform the caller's environment names. A desktop
# has its session bus; here the bus address names none, so that the toolkit does not autolaunch a
# bus daemon of its own (dbus-launch writes under HOME, and its daemon would outlive the program
# inside the trace).
HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_DATA_HOME= \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$work/runtime/no-bus" \
  QT_QPA_PLATFORM=xcb setsid strace -f -qq -o "$work/trace" \
  -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,linkat,symlink,symlinkat,truncate,ftruncate \
  "$program" &
app_pid=$!

# Wait for the first window, then use it a little: typing, clicking, keys.
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --name '.+' 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "${win:-}" ] || { echo "no window appeared"; exit 1; }
{
  xdotool mousemove --window "$win" 60 60 click 1
  xdotool type --delay 20 "ann"; xdotool key Tab; xdotool type --delay 20 "bob"
  xdotool key Return; sleep 0.3; xdotool key Return; sleep 0.3
  xdotool mousemove --window "$win" 40 40 click 1
} >/dev/null 2>&1 || true
sleep 1
# End the traced program itself (strace then exits with it).
traced=$(pgrep -P "$app_pid" || true)
[ -n "$traced" ] && kill $traced 2>/dev/null || true
for _ in $(seq 1 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true

# Successful calls that change the file system (reading Qt's own files and fonts is fine).
changes=$(grep -v -E '= -1 E' "$work/trace" \
  | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|mkdir|rename|unlink|link\(|linkat|symlink|truncate' \
  | grep -v -E '"/dev/|"/proc/|"/sys/|/tmp/\.X11-unix|memfd:' || true)
if [ -n "$changes" ]; then
  echo "the program changed the file system:"
  echo "$changes"
  exit 1
fi
left=$(find "$work/home" "$work/runtime" -mindepth 1 | head -n 20)
if [ -n "$left" ]; then
  echo "the program left files behind:"
  echo "$left"
  exit 1
fi
opened=$(grep -c -E 'open' "$work/trace" || true)
echo "no file created, written or removed ($opened open calls traced)"
