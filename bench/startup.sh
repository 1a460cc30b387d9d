#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up alone, paired: each round starts the minimal program, Playhaven at the scale it
# chooses and Playhaven at --scale 1, one right after the other in an order that turns each
# round, on one Xvfb at 1920 x 1080 with openbox; prints each round and the medians of the
# times and of each round's ratios to the minimal program.
#   bash bench/startup.sh [rounds]   (default 10; reuses or builds build-bench, as run.sh does)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-10}"
build="${BENCH_BUILD:-build-bench}"
mkdir -p bench/out
PLAYHAVEN_BENCH_TOOLS=1 PLAYHAVEN_BUILD_TARGETS="playhaven bench_xwatch bench_minimal" \
  scripts/setup.sh "$build" -DPLAYHAVEN_SANITIZE=OFF >bench/out/startup-build.log
bin="$PWD/$build"
# --- The display ---------------------------------------------------------------------
source bench/display.sh

start_ms() { # program [arguments]: the start-up time in ms, the program stopped again
  local line pid
  line=$(HOME=$(mktemp -d "$work/home.XXXX") "$bin/bench/bench_xwatch" "$@")
  pid=${line%% *}
  sleep 0.5
  kill "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  sleep 0.3
  echo "${line#* }"
}
echo "round minimal automatic scale-1" | tee bench/out/startup.txt
for i in $(seq "$rounds"); do
  declare -A t=()
  order=(minimal automatic one)
  for ((k = 0; k < i % 3; k++)); do order=("${order[@]:1}" "${order[0]}"); done
  for what in "${order[@]}"; do
    case $what in
    minimal) t[minimal]=$(start_ms "$bin/bench/bench_minimal") ;;
    automatic) t[automatic]=$(start_ms "$bin/playhaven") ;;
    one) t[one]=$(start_ms "$bin/playhaven" --scale 1) ;;
    esac
  done
  echo "$i ${t[minimal]} ${t[automatic]} ${t[one]}" | tee -a bench/out/startup.txt
  unset t
done
python3 - bench/out/startup.txt <<'PY'
import statistics, sys
rows = [list(map(float, l.split()[1:])) for l in open(sys.argv[1]).read().splitlines()[1:]]
m, a, o = (statistics.median(r[k] for r in rows) for k in range(3))
ra, ro = (statistics.median(r[k] / r[0] for r in rows) for k in (1, 2))
print(f"medians of {len(rows)} rounds: minimal {m:.1f} ms, automatic scale {a:.1f} ms, --scale 1 {o:.1f} ms")
print(f"median paired ratio to the minimal program: automatic scale {ra:.3f}, --scale 1 {ro:.3f}")
PY
