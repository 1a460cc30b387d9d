#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build folder with cpack into a scratch folder and holds it to
# Debian's rules: lintian must report no error and no warning (overrides shipped in the package
# count), and the newest changelog entry must be the package's own version.
# Usage: lint_package.sh BUILD_DIR   (CPACK_COMMAND names cpack when it is not on PATH)
set -euo pipefail
build=$(cd "${1:?usage: lint_package.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${CPACK_COMMAND:-cpack}" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    echo "cpack failed" >&2
    exit 1
}
debs=("$work"/*.deb)
[ -f "${debs[0]}" ] || { echo "cpack made no .deb" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -x "$deb" "$work/root"
changelog="$work/root/usr/share/doc/playhaven/changelog.gz"
[ -f "$changelog" ] || { echo "no changelog.gz in the package" >&2; exit 1; }
zcat "$changelog" >"$work/changelog"
latest=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
if [ "$latest" != "$version" ]; then
    echo "the newest changelog entry is $latest, the package is $version: add an entry to packaging/changelog.in" >&2
    exit 1
fi

status=0
lintian --fail-on error,warning --display-level '>=warning' "$deb" >"$work/lintian.txt" 2>&1 || status=$?
# lintian warns that it runs as root where a container runs tests so; that is no finding.
grep -v '^running with root privileges is not recommended!$' "$work/lintian.txt" || true
if [ "$status" -ne 0 ]; then
    echo "lintian found errors or warnings (status $status)" >&2
    exit 1
fi
echo "lintian: no errors, no warnings"
