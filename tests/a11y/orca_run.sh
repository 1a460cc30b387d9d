#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind child hears: Playhaven played by keys alone under Orca, the desktop's screen
# reader, on its own X server and session bus, with speech going through speech-dispatcher and
# espeak-ng to a silent sound device. Orca's SPEECH OUTPUT lines are what the child would hear;
# the test fails unless they hold each game's results: the spin and its stone, a refused stone,
# a move, the three digits of the spinner game and a help topic's definition. The transcript
# (keys pressed and what Orca said, in time order) is left in BUILD_DIR/orca-transcript.txt.
# Usage: orca_run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: orca_run.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
source "$here/../xvfb.sh"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# Speech is made, but played to libao's null device.
echo "default_driver=null" >"$HOME/.libao"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF

start_xvfb
status=0
dbus-run-session -- bash "$here/orca_session.sh" "$build/playhaven" "$work" || status=$?

# The transcript: each key pressed and each line Orca spoke, in the order they happened.
cp "$work/orca.log" "$build/orca-debug.log" 2>/dev/null || true
/usr/bin/python3 "$here/transcript.py" "$work/keys.txt" "$work/orca.log" >"$build/orca-transcript.txt" || true
if [ "$status" -ne 0 ]; then
  echo "the keyboard run did not finish:"
  tail -n 5 "$work/keys.txt"
  exit 1
fi
spoken="$work/spoken.txt"
grep -a 'SPEECH OUTPUT' "$work/orca.log" >"$spoken" || true
missing=0
expect() { # PATTERN WHAT
  if ! grep -Eq "$1" "$spoken"; then
    echo "Orca never said $2 (${1})"
    missing=1
  fi
}
expect "(Bicycle|Cars|Plane): [1-4]\. Move to stone [0-9]+\." "a spin with its stone"
expect "marker on stone 0, picked up" "a marker picked up"
expect "Not that stone\. Move to stone [0-9]+\." "a refused stone"
expect "marker on stone [1-9][0-9]*\\.?'" "a marker's move"
expect "([0-9]|10), ([0-9]|10), ([0-9]|10)\. (No seven|A seven! You win)\." "the three digits of a spin"
expect "Type your name and password to log on" "the logon's instructions"
expect "You click either the 'spin' button" "a help topic's definition"
expect "rockets? wins?" "the race's winner"
expect "Your highest score is [0-9]" "the high score as its window opens"
[ "$missing" -eq 0 ] || { cat "$build/orca-transcript.txt" | tail -n 60; exit 1; }
echo "Orca said every result ($(wc -l <"$spoken") lines of speech)"
