#!/usr/bin/env bash
# Runs a command on its own Xvfb server (no window manager), with Qt's xcb platform.
# Usage: run_under_xvfb.sh COMMAND [ARGS...]
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 20 display <"$fifo"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
"$@"
