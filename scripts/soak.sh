#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole-program soak in a sanitizer build (AddressSanitizer with leak detection and
# UndefinedBehaviorSanitizer, halting on the first report), one run per seed; also replays the
# fuzz corpus there. Builds only what it needs, in build-sanitize.
# Usage: scripts/soak.sh [STEPS] [SECONDS] [SEEDS...]   (per seed; defaults 1000000 3600 1)
# PLAYHAVEN_SOAK_SCALE=F draws every window at display scale F (default 1).
set -euo pipefail
cd "$(dirname "$0")/.."
steps=${1:-1000000}
seconds=${2:-3600}
shift 2 || shift $#
seeds=("$@")
[ ${#seeds[@]} -gt 0 ] || seeds=(1)

dir=build-sanitize
PLAYHAVEN_BUILD_TARGETS="soak replay_fuzz_corpus ${PLAYHAVEN_SANITIZE_EXTRA_TARGETS:-}" \
  scripts/setup.sh "$dir" -DPLAYHAVEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen HOME="$PWD/$dir/test-home" XDG_RUNTIME_DIR="$PWD/$dir/test-home"
mkdir -p "$HOME" && chmod 700 "$HOME"

"$dir/tests/replay_fuzz_corpus" tests/fuzz/corpus
for seed in "${seeds[@]}"; do
  # A hang fails the run instead of blocking it: the budget, the sanitizers' slowness, a margin.
  timeout --signal=KILL $((seconds * 3 + 120)) "$dir/tests/soak" --steps "$steps" --seconds "$seconds" --seed "$seed" \
    --scale "${PLAYHAVEN_SOAK_SCALE:-1}" || {
    echo "soak: seed $seed failed or hung (exit status $?)"
    exit 1
  }
done
