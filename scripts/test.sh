#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs every test headless; exits non-zero on any failure. Then builds
# the soak and the fuzz corpus replay with Address- and UndefinedBehaviorSanitizer and runs a
# short soak of several seeds there (one at display scale 1.5), halting on the first report.
set -euo pipefail
cd "$(dirname "$0")/.."
PLAYHAVEN_TEST_TOOLS=1 scripts/setup.sh build
(cd build && ctest --output-on-failure --timeout 600 -j"$(nproc)")
scripts/soak.sh 5000 60 1 2 3
# Once more with every window drawn half as large again, where drops land through other pixels.
PLAYHAVEN_SOAK_SCALE=1.5 scripts/soak.sh 5000 60 4
