# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks: a work folder with an XDG_RUNTIME_DIR outside every HOME, and the
# first free display of :71 ... :79 (or BENCH_DISPLAYS), 1920 x 1080 with openbox; everything
# started is stopped and the folder removed on exit. Sets work, started and DISPLAY.
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
started=()
cleanup() {
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do kill "${started[$i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
n=
for d in ${BENCH_DISPLAYS:-71 72 73 74 75 76 77 78 79}; do [ -e "/tmp/.X$d-lock" ] || { n=$d && break; }; done
[ -n "$n" ] || { echo "no free display" >&2 && exit 1; }
export DISPLAY=":$n"
Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$work/wm"
HOME="$work/wm" openbox >/dev/null 2>&1 &
started+=($!)
sleep 1
