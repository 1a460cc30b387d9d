#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Release and measures Playhaven beside a minimal Qt 6 Widgets program (bench/minimal)
# under Xvfb (1920 x 1080) and openbox, then prints a table of medians. Takes about 12 minutes.
#   bash bench/run.sh [runs]        (default 5 runs; raw figures go to bench/out/)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
build=build-bench
out="$PWD/bench/out"
rm -rf "$out" && mkdir -p "$out"
echo "building Release in $build (log: bench/out/build.log)" >&2
PLAYHAVEN_BENCH_TOOLS=1 scripts/setup.sh "$build" -DPLAYHAVEN_SANITIZE=OFF >"$out/build.log"
bin="$PWD/$build"
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime" # outside every HOME
mkdir -m 700 "$XDG_RUNTIME_DIR"

# --- The display: the first free one of :71 ... :79, with openbox -------------------------
started=()
cleanup() {
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do kill "${started[$i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
for n in 71 72 73 74 75 76 77 78 79; do [ -e "/tmp/.X$n-lock" ] || break; done
export DISPLAY=":$n"
Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$work/wm"
HOME="$work/wm" openbox >/dev/null 2>&1 &
started+=($!)
sleep 1

# --- Helpers -----------------------------------------------------------------------------
# Run time of each of the process's threads in ns, from the scheduler (/proc/PID/task/*/schedstat),
# one "tid ns" a line: exact, where /proc/PID/stat counts whole 10 ms clock ticks.
thread_ns() {
  local t
  for t in /proc/"$1"/task/*; do
    [ -r "$t/schedstat" ] && echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat" 2>/dev/null)"
  done
}
rss_mb() { awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# CPU milliseconds per second over 10 s of nothing happening: what every thread ran in that time
# (a thread that ended meanwhile is not counted; one that began counts whole).
idle_ms() {
  local a
  a=$(thread_ns "$1"); sleep 10
  thread_ns "$1" | awk -v before="$a" 'BEGIN { n = split(before, l, "\n"); for (i = 1; i <= n; i++) { split(l[i], f, " "); was[f[1]] = f[2] } }
    { s += $2 - (($1 in was) ? was[$1] : 0) } END { printf "%.2f", s / 1e6 / 10 }'
}
home_bytes() { find "$1" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }'; }
record() { echo "$2" >>"$out/$1"; } # one figure per line, one file per figure

# Starts a program with a fresh HOME; sets pid and home, and records the start-up time.
launch() { # figure name, program
  home=$(mktemp -d "$work/home.XXXX")
  local line
  line=$(HOME="$home" "$bin/bench/bench_xwatch" "$2")
  pid=${line%% *}
  started+=("$pid")
  record "$1" "${line#* }"
}
finish() { kill "$pid"; wait "$pid" 2>/dev/null || true; }
# The client area of a window, "x y", from its outer size and its design width in twips: the
# splash windows draw their own frame, the same width all round.
client_origin() {
  local x y w
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "x=" $4 } /Absolute upper-left Y/ { print "y=" $4 } /^  Width/ { print "w=" $2 }')"
  local frame=$(((w - $2 / 15) / 2))
  echo $((x + frame)) $((y + frame))
}
click_twips() { # window, design width, left, top (twips, within the client area)
  local ox oy
  read -r ox oy < <(client_origin "$1" "$2")
  xdotool mousemove $((ox + $3 / 15)) $((oy + $4 / 15)) click 1
}
# Polls instead of "search --sync": a search fails when a window goes away while it walks the
# window tree (hidden windows give their X window back), and is then simply asked again.
wait_name() {
  local w
  for _ in $(seq 900); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$w" ] && echo "$w" && return
    sleep 0.1
  done
  echo "no window named $1" >&2 && return 1
}
# The one visible window of the program that is not the launcher (a splash has no caption).
wait_splash() {
  for _ in $(seq 100); do
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      [ "$(xdotool getwindowname "$w")" != Skydash ] && echo "$w" && return
    done
    sleep 0.1
  done
  echo "no splash window" >&2 && return 1
}
open_game() { # the launcher's Games menu, item 1 or 2
  local w x y
  w=$(wait_name '^Skydash$')
  read -r x y < <(xwininfo -id "$w" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { print x, $4 }')
  xdotool mousemove $((x + 30)) $((y + 12)) click 1
  sleep 0.5
  [ "$1" = 1 ] && xdotool key Down Return || xdotool key Down Down Return
}
settle() { sleep 2; }
measure_window() { # figure name
  settle
  record "rss_$1" "$(rss_mb "$pid")"
  record "idle_$1" "$(idle_ms "$pid")"
}

# --- The runs ----------------------------------------------------------------------------
minimal_run() {
  launch startup_minimal "$bin/bench/bench_minimal"
  measure_window minimal
  finish
  record files_minimal "$(home_bytes "$home")"
}

playhaven_run() {
  launch startup_playhaven "$bin/playhaven"
  measure_window logon
  xdotool type --delay 30 bench && xdotool key Tab && xdotool type --delay 30 bench && xdotool key Return
  sleep 1 && xdotool key Return # the message that echoes the user name and password
  wait_name '^Skydash$' >/dev/null
  measure_window launcher
  open_game 1
  local splash
  splash=$(wait_splash)
  sleep 11                                         # "On Your Mark!" and "Get Set!" slide across
  click_twips "$splash" 10245 5047 3532            # "GO!"
  sleep 0.5 && click_twips "$splash" 10245 8047 5407 # "Game" in the logo frame
  wait_name '^Brookhop$' >/dev/null                # 20 s of colours, then the glide
  measure_window board
  xdotool key alt+F4 # the close box: the board unloads and the launcher returns
  open_game 2
  splash=$(wait_splash)
  sleep 0.5 && click_twips "$splash" 10245 7807 4927 # "Game"
  wait_name '^"SPINZO"$' >/dev/null
  measure_window spinner
  finish
  record files_playhaven "$(home_bytes "$home")"
}

for i in $(seq "$runs"); do
  echo "run $i of $runs: minimal program, Playhaven, splash timers" >&2
  minimal_run
  playhaven_run
  HOME=$(mktemp -d "$work/home.XXXX") "$bin/bench/bench_splash_timing" >>"$out/splash.log"
done
for k in slides:2 colours:4 glide_wall:6 glide_cpu:8; do
  awk -v f="${k#*:}" '/^slides [0-9]/ { print $f }' "$out/splash.log" >"$out/${k%%:*}"
done
echo "rocket races" >&2
HOME=$(mktemp -d "$work/home.XXXX") "$bin/bench/bench_race_timing" "$runs" >"$out/race.log"
# wall ms, ticks x 30 ms, their ratio: one race a line
sed -n 's/.*wall \([0-9.]*\) ms, ticks x 30 ms = \([0-9]*\) ms, ratio \([0-9.]*\).*/\1 \2 \3/p' "$out/race.log" >"$out/race"

bash bench/table.sh "$out"
