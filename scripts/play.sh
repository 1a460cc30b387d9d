#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts Playhaven.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/playhaven
