#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the spinner game's number reader and percent format with libFuzzer under Address- and
# UndefinedBehaviorSanitizer (needs clang). New inputs go to build-fuzz/corpus; the committed
# corpus in tests/fuzz/corpus is read, never written. Usage: scripts/fuzz.sh [SECONDS] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${2:-1}
out=build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Isrc -Itests/fuzz src/spinner/NumberReader.cpp src/spinner/PercentFormat.cpp \
  tests/fuzz/SpinnerInputProperties.cpp tests/fuzz/fuzz_spinner_input.cpp -o "$out/fuzz_spinner_input"
parallel=()
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
cd "$out"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./fuzz_spinner_input -max_total_time="$seconds" "${parallel[@]}" -max_len=256 \
  -dict=../tests/fuzz/spinner.dict -print_final_stats=1 corpus ../tests/fuzz/corpus
