#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file of the tree its licence line, the SPDX identifier of GPL-3.0-or-later
# in a comment ("//" in C++, "#" in shell, Python and CMake), as its first line, or its second
# after a shebang (and after a Python coding line, which must stay within the first two). A file
# that already names a licence near its top is left as it is, so a second run changes nothing.
# Usage: spdx_headers.sh [--check] [ROOT]   (ROOT defaults to the tree this script is in)
# --check changes nothing: it lists the files without the line and fails when there is one.
# Source files are those under src, tests, bench, scripts, cmake and assets/src, and every
# CMakeLists.txt; pictures, text data and the fuzz corpus are described by .reuse/dep5 instead.
set -euo pipefail

check=0
if [ "${1:-}" = --check ]; then
    check=1
    shift
fi
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"
licence=GPL-3.0-or-later
# Split in two so that licence scanners do not take this script's own code for a licence line.
tag='SPDX-License''-Identifier:'

# Tracked and new files when the tree is a git work tree (build folders are ignored there);
# otherwise, e.g. in an unpacked archive, every file outside the build folders.
list_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -co --exclude-standard
    else
        find . \( -path './build*' -o -path ./.git -o -path ./bench/out \) -prune -o -type f -print | sed 's|^\./||'
    fi
}

# The comment marker for a source file, nothing for any other file.
comment_of() {
    case "$1" in
    tests/fuzz/corpus/*) return ;;
    CMakeLists.txt | */CMakeLists.txt) echo '#' ;;
    src/* | tests/* | bench/* | scripts/* | cmake/* | assets/src/*)
        case "$1" in
        *.cpp | *.cc | *.cxx | *.c | *.h | *.hpp | *.hxx) echo '//' ;;
        *.sh | *.bash | *.py | *.cmake) echo '#' ;;
        *)
            # Without a known extension, only a script (known by its interpreter) is a source.
            case "${1##*/}" in
            *.*) ;;
            *) awk 'NR == 1 { script = /^#!.*(sh|bash|python3?)([[:space:]]|$)/; exit } END { exit !script }' "$1" &&
                echo '#' ;;
            esac
            ;;
        esac
        ;;
    esac
    return 0
}

# Read by awk alone: a pipe into grep -q could end its writer early and fail under pipefail.
has_licence_line() {
    awk -v tag="$tag" 'NR > 10 { exit } index($0, tag) { found = 1; exit } END { exit !found }' "$1"
}

# The number of leading lines that must stay first: a shebang, and a Python coding line.
kept_lines() {
    awk 'NR == 1 && /^#!/ { n = 1; next }
         NR == n + 1 && /^#.*coding[:=]/ { n++ }
         { exit }
         END { print n + 0 }' "$1"
}

add_licence_line() { # FILE MARKER
    local tmp keep
    keep=$(kept_lines "$1")
    tmp=$(mktemp)
    {
        head -n "$keep" "$1"
        printf '%s %s %s\n' "$2" "$tag" "$licence"
        tail -n "+$((keep + 1))" "$1"
    } >"$tmp"
    # Written back in place, so that the file keeps its mode (scripts stay executable).
    cat "$tmp" >"$1"
    rm -f "$tmp"
}

missing=0
changed=0
while IFS= read -r file; do
    [ -f "$file" ] || continue
    marker=$(comment_of "$file")
    [ -n "$marker" ] || continue
    has_licence_line "$file" && continue
    if [ "$check" = 1 ]; then
        echo "no licence line: $file"
        missing=$((missing + 1))
    else
        add_licence_line "$file" "$marker"
        changed=$((changed + 1))
    fi
done < <(list_files | LC_ALL=C sort)

if [ "$check" = 1 ]; then
    if [ "$missing" -gt 0 ]; then
        echo "$missing source file(s) without a licence line; scripts/spdx_headers.sh adds it" >&2
        exit 1
    fi
    echo "every source file names its licence"
else
    echo "licence line added to $changed file(s)"
fi
