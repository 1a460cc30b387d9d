#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots afresh: the end-to-end run plays the program twice on a
# 1920 x 1080 screen, in English and on a German desktop, and four of its pictures are kept here,
# halved and reduced to a palette. Needs a build with the test tools (scripts/test.sh makes one).
#   bash docs/screenshots/update.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "${1:-build}" && pwd)
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
for lang in en de; do
  PLAYHAVEN_E2E_LANG=$lang PLAYHAVEN_E2E_SHOTS="$shots/$lang" tests/e2e/run_e2e.sh "$build" >/dev/null
done
keep() { # LANGUAGE SHOT NAME: the run numbers its shots in the order taken ("20-board-moved")
  local shot
  shot=$(ls "$shots/$1/"[0-9]*"-$2.png")
  convert "$shot" -resize 50% -strip -colors 128 -define png:compression-level=9 "docs/screenshots/$3.png"
}
keep en logon logon
keep en launcher-race-won launcher
keep en board-moved board
keep en spinzo-three-spins spinner
keep de board-moved board-de
du -ch docs/screenshots/*.png | tail -n 1
