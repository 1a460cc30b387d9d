#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Playhaven needs on Debian 12 (only what is missing), then configures and builds
# it. Usage: scripts/setup.sh [build-dir] [extra cmake arguments...]
# PLAYHAVEN_BUILD_TARGETS="a b" builds only those targets.
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-l10n-tools and qt6-tools-dev build the catalogues in translations/; qt6-translations-l10n
# holds the toolkit's own texts (Yes, No, Cancel) in the shipped languages; fonts-wqy-microhei
# draws the Chinese catalogue's texts.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev fonts-liberation fonts-dejavu-core
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-wqy-microhei)
if [ "${PLAYHAVEN_TEST_TOOLS:-0}" = 1 ]; then
  packages+=(xvfb xauth xdotool strace openbox x11-utils imagemagick appstream desktop-file-utils dpkg-dev valgrind python3 clang-format lintian reuse)
  # The screen-reader run: Orca speaking through speech-dispatcher and espeak-ng to a silent
  # sink, the accessibility registry, a session bus, and pyatspi to find the focus while driving.
  packages+=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core dbus python3-pyatspi gir1.2-atspi-2.0)
fi
if [ "${PLAYHAVEN_BENCH_TOOLS:-0}" = 1 ]; then
  packages+=(xvfb xdotool openbox x11-utils libx11-dev libxdamage-dev python3)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
# PLAYHAVEN_BUILD_TARGETS, when set, names the only targets to build.
targets=()
for t in ${PLAYHAVEN_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
