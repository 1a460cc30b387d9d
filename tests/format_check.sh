#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the tree differs from what clang-format makes of it with the
# committed .clang-format; names each such file. Usage: format_check.sh SOURCE_DIR
set -euo pipefail
cd "$1"
mapfile -t files < <(find src tests bench \( -name '*.cpp' -o -name '*.h' \) -not -path 'tests/fuzz/corpus/*' | sort)
unformatted=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted (run clang-format -i on them):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "${#files[@]} files formatted"
