#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Release and measures Playhaven beside a minimal Qt 6 Widgets program (bench/minimal)
# under Xvfb (1920 x 1080) and openbox, then prints a table of medians. Takes about 15 minutes.
#   bash bench/run.sh [runs]        (default 5 runs; raw figures go to bench/out/)
# BENCH_BUILD names the build folder (default build-bench), BENCH_DISPLAYS the display numbers to
# try (default 71 to 79). The program chooses its display scale itself, as on any desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
build="${BENCH_BUILD:-build-bench}"
out="$PWD/bench/out"
rm -rf "$out" && mkdir -p "$out"
echo "building Release in $build (log: bench/out/build.log)" >&2
PLAYHAVEN_BENCH_TOOLS=1 PLAYHAVEN_BUILD_TARGETS="playhaven bench_xwatch bench_minimal bench_race_timing bench_splash_timing bench_relayout_timing" \
  scripts/setup.sh "$build" -DPLAYHAVEN_SANITIZE=OFF >"$out/build.log"
bin="$PWD/$build"
# --- The display ---------------------------------------------------------------------
source bench/display.sh

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
launch() { # figure name, program [arguments]
  home=$(mktemp -d "$work/home.XXXX")
  local name="$1" line
  shift
  line=$(HOME="$home" "$bin/bench/bench_xwatch" "$@")
  pid=${line%% *}
  started+=("$pid")
  record "$name" "${line#* }"
}
finish() { kill "$pid"; wait "$pid" 2>/dev/null || true; }
# The display scale the program chose: how many pixels each design pixel (15 twips) takes. It is
# measured from the logon, whose window is its client area, 6510 twips wide (434 px at scale 1);
# the ratio is rounded to hundredths, which the one pixel of rounding in the width cannot move.
scale=1
measure_scale() { # logon window
  local w
  w=$(xwininfo -id "$1" | awk '/^  Width/ { print $2 }')
  scale=$(awk -v w="$w" 'BEGIN { printf "%.2f", w / 434 }')
}
px() { awk -v t="$1" -v s="$scale" 'BEGIN { printf "%d", t * s / 15 + (t < 0 ? -0.5 : 0.5) }'; } # twips
# The client area of a window, "x y", from its outer size and its design width in twips: the
# splash windows draw their own frame, the same width all round.
client_origin() {
  local x y w
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "x=" $4 } /Absolute upper-left Y/ { print "y=" $4 } /^  Width/ { print "w=" $2 }')"
  local frame=$(((w - $(px "$2")) / 2))
  echo $((x + frame)) $((y + frame))
}
click_twips() { # window, design width, left, top (twips, within the client area)
  local ox oy
  read -r ox oy < <(client_origin "$1" "$2")
  xdotool mousemove $((ox + $(px "$3"))) $((oy + $(px "$4"))) click 1
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
  xdotool mousemove $((x + $(px 450))) $((y + $(px 180))) click 1 # "Games", the first menu
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
  # Maximized, as the launcher and the board open: a back buffer of the same size.
  launch startup_minimal_max "$bin/bench/bench_minimal" --maximized
  settle
  record rss_minimal_max "$(rss_mb "$pid")"
  finish
}

playhaven_run() {
  launch startup_playhaven "$bin/playhaven"
  measure_scale "$(wait_name '^Enter Program Password$')"
  record scale "$scale"
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
# The board's re-layout on F11, 20 toggles, at the scale the program chose and at 1.5.
chosen=$(sort "$out/scale" | uniq -c | sort -rn | awk 'NR == 1 { print $2 }')
for s in $(printf '%s\n' "$chosen" 1.50 | awk '!seen[$1 + 0]++'); do
  echo "board re-layout on F11 at scale $s" >&2
  HOME=$(mktemp -d "$work/home.XXXX") "$bin/bench/bench_relayout_timing" -platform xcb "$s" 20 >"$out/relayout_$s.log"
  # re-layout ms, key to painted ms: one toggle a line
  sed -n 's/.*re-layout \([0-9.]*\) ms, key to painted \([0-9.]*\) ms.*/\1 \2/p' "$out/relayout_$s.log" >"$out/relayout_$s"
done
# wall ms, ticks x 30 ms, their ratio: one race a line
sed -n 's/.*wall \([0-9.]*\) ms, ticks x 30 ms = \([0-9]*\) ms, ratio \([0-9.]*\).*/\1 \2 \3/p' "$out/race.log" >"$out/race"

bash bench/table.sh "$out"
