#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up alone, paired: each round starts the minimal program, Playhaven at the scale it
# chooses, Playhaven at --scale 1 and Playhaven in German (--lang de, at the scale it chooses),
# one right after the other in an order that turns each round, on one Xvfb at 1920 x 1080 with
# openbox; prints each round and the medians of the times, of each round's ratios to the
# minimal program and of German to English, and the memory (resident set) of English and German
# half a second after the first window showed.
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

start_ms() { # program [arguments]: the start-up time in ms and the resident set in MB half a
  # second later, the program stopped again
  local line pid rss
  line=$(HOME=$(mktemp -d "$work/home.XXXX") LC_ALL=C.UTF-8 LANGUAGE= "$bin/bench/bench_xwatch" "$@")
  pid=${line%% *}
  sleep 0.5
  rss=$(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  sleep 0.3
  echo "${line#* } $rss"
}
echo "round minimal automatic scale-1 german rss-english rss-german" | tee bench/out/startup.txt
for i in $(seq "$rounds"); do
  declare -A t=()
  order=(minimal automatic one german)
  for ((k = 0; k < i % 4; k++)); do order=("${order[@]:1}" "${order[0]}"); done
  for what in "${order[@]}"; do
    case $what in
    minimal) t[minimal]=$(start_ms "$bin/bench/bench_minimal") ;;
    automatic) t[automatic]=$(start_ms "$bin/playhaven") ;;
    one) t[one]=$(start_ms "$bin/playhaven" --scale 1) ;;
    german) t[german]=$(start_ms "$bin/playhaven" --lang de) ;;
    esac
  done
  echo "$i ${t[minimal]% *} ${t[automatic]% *} ${t[one]% *} ${t[german]% *} ${t[automatic]#* } ${t[german]#* }" |
    tee -a bench/out/startup.txt
  unset t
done
python3 - bench/out/startup.txt <<'PY'
import statistics, sys
rows = [list(map(float, l.split()[1:])) for l in open(sys.argv[1]).read().splitlines()[1:]]
m, a, o, g, ra_mb, rg_mb = (statistics.median(r[k] for r in rows) for k in range(6))
ra, ro = (statistics.median(r[k] / r[0] for r in rows) for k in (1, 2))
rde = statistics.median(r[3] / r[1] for r in rows)
print(f"medians of {len(rows)} rounds: minimal {m:.1f} ms, automatic scale {a:.1f} ms, --scale 1 {o:.1f} ms, --lang de {g:.1f} ms")
print(f"median paired ratio to the minimal program: automatic scale {ra:.3f}, --scale 1 {ro:.3f}")
print(f"median paired ratio of German to English: {rde:.3f}; resident set English {ra_mb:.1f} MB, German {rg_mb:.1f} MB")
PY
