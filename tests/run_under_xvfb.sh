#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on its own Xvfb server (no window manager), with Qt's xcb platform.
# Usage: run_under_xvfb.sh COMMAND [ARGS...]
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
trap stop_xvfb EXIT
start_xvfb
export QT_QPA_PLATFORM=xcb
"$@"
