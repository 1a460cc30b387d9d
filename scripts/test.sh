#!/usr/bin/env bash
# Sets everything up and runs every test headless; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
PLAYHAVEN_TEST_TOOLS=1 scripts/setup.sh build
cd build
ctest --output-on-failure --timeout 600 -j"$(nproc)"
