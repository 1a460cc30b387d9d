#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program as a person uses it: install it to a temporary prefix, start it from the
# Exec line of its installed desktop entry on its own X server with a window manager (openbox),
# and play the typical run with real mouse and key events: a wrong logon with the hint, the
# right logon, a rocket race, the board game through its splash (two players, one spin and its
# move), the spinner game through its splash (three spins, the highest score), and Exit.
# Each window is found by its title (the splash windows, which have none, by their size) and
# photographed into BUILD_DIR/e2e-screenshots for a person to look at.
# Usage: run_e2e.sh BUILD_DIR   (PLAYHAVEN_E2E_DISPLAY=N picks the X display number;
# PLAYHAVEN_E2E_LANG=CODE plays in that language, see texts.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run_e2e.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
shots_dir="${PLAYHAVEN_E2E_SHOTS:-$build/e2e-screenshots}"
rm -rf "$shots_dir"
mkdir -p "$shots_dir" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
trap 'kill ${app_pid:-} ${wm_pid:-} 2>/dev/null || true; stop_xvfb; rm -rf "$work"' EXIT
source "$here/../xvfb.sh"
source "$here/x11_helpers.sh"
source "$here/texts.sh"
source "$here/e2e_board.sh"
source "$here/e2e_spinner.sh"

step "install to a temporary prefix"
prefix="$work/prefix"
"${CMAKE_COMMAND:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
desktop="$prefix/share/applications/io.playhaven.playhaven.desktop"
# The program's folder under the prefix, as the build chose it (Debian's games by default).
gamesdir=$(sed -n 's/^PLAYHAVEN_INSTALL_GAMESDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
bindir="$prefix/${gamesdir:-games}"
for f in "$bindir/playhaven" "$desktop" "$prefix/share/metainfo/io.playhaven.playhaven.metainfo.xml"; do
    [ -f "$f" ] || fail "not installed: ${f#"$prefix"/}"
done
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/io.playhaven.playhaven.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size} px icon"
done
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$desktop" || fail "invalid desktop entry"
# The menu starts the Exec command (field codes removed) through PATH.
exec_cmd=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$desktop" | head -n 1 | sed -E 's/ ?%[fFuUdDnNickvm]//g')
export PATH="$bindir:$PATH"
[ "$(command -v "${exec_cmd%% *}")" = "$bindir/playhaven" ] || fail "Exec=$exec_cmd does not start the installed program"

step "X server and window manager"
# A screen of today: the program draws its windows at the largest display scale that fits.
# PLAYHAVEN_E2E_SCREEN=WxH plays on another size, PLAYHAVEN_E2E_QT_SCALE=F with the toolkit's own
# scale factor F on top; PLAYHAVEN_E2E_ARGS are added to the program's command line.
screen=${PLAYHAVEN_E2E_SCREEN:-1920x1080}
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME= XDG_CACHE_HOME=
# One try: a fresh Xvfb, then openbox on it, each checked. Their own output goes into the
# screenshots folder so that a failure can be read there.
start_x_and_wm() { # TRY
    local display out="$shots_dir/xvfb-output-$1.txt"
    if [ -n "${PLAYHAVEN_E2E_DISPLAY:-}" ]; then
        display=$PLAYHAVEN_E2E_DISPLAY
        Xvfb ":$display" -screen 0 ${screen}x24 -dpi 96 -nolisten tcp 2>"$out" &
        xvfb_pid=$!
    else
        rm -f "$work/displayfd"
        mkfifo "$work/displayfd"
        Xvfb -displayfd 5 -screen 0 ${screen}x24 -dpi 96 -nolisten tcp 5>"$work/displayfd" 2>"$out" &
        xvfb_pid=$!
        display=""
        read -r -t 20 display <"$work/displayfd" || true
        if [ -z "$display" ]; then
            echo "try $1: Xvfb did not report a display; it printed:" >&2
            sed 's/^/    /' "$out" >&2
            return 1
        fi
    fi
    export DISPLAY=":$display"
    # The server answering must be this one: a display number another server also answers on
    # (an abstract socket of the same name elsewhere) shows another screen size or dies here.
    if ! poll 20 sh -c 'xdpyinfo | grep -q "dimensions: *'"$screen"' pixels"' >/dev/null ||
        ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "try $1: no X server of ours on $DISPLAY; Xvfb printed:" >&2
        sed 's/^/    /' "$out" >&2
        return 1
    fi
    openbox --sm-disable >"$shots_dir/openbox-output-$1.txt" 2>&1 &
    wm_pid=$!
    # Wait until it has taken the screen or has ended.
    poll 30 sh -c '! kill -0 '"$wm_pid"' 2>/dev/null || xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' >/dev/null || true
    if ! kill -0 "$wm_pid" 2>/dev/null || ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
        echo "try $1: openbox did not start on $DISPLAY$(kill -0 "$wm_pid" 2>/dev/null || echo ' (it ended)'); it printed:" >&2
        sed 's/^/    /' "$shots_dir/openbox-output-$1.txt" >&2
        return 1
    fi
}
started=""
for try in 1 2 3; do
    if start_x_and_wm "$try"; then
        started=1
        break
    fi
    kill "${wm_pid:-}" 2>/dev/null || true
    stop_xvfb
    wm_pid=""
    sleep 1
done
[ -n "$started" ] || fail "no X server with openbox after three tries"
echo "display $DISPLAY, openbox running"

step "start from the desktop entry: $exec_cmd"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI
[ -z "${PLAYHAVEN_E2E_QT_SCALE:-}" ] || export QT_SCALE_FACTOR=$PLAYHAVEN_E2E_QT_SCALE
logon_title="^$(text frmLogon 'Enter Program Password')\$"
echo "language $e2e_lang, LANG=$(e2e_locale)"
LANG=$(e2e_locale) LC_ALL= LC_MESSAGES= LANGUAGE= QT_QPA_PLATFORM=xcb sh -c "exec $exec_cmd ${PLAYHAVEN_E2E_ARGS:-}" >"$shots_dir/program-output.txt" 2>&1 &
app_pid=$!

step "logon: a wrong password, the hint, then the right one"
logon=$(wait_title "$logon_title")
shot "$logon" logon
# The display scale, from the logon's client area (6510 twips wide in its table), in hundredths;
# on the usual screen the designs must be drawn larger than their own size.
scale_c=$((($(size_of "$logon" | cut -d' ' -f1) * 100 * 15 + 6510 / 2) / 6510))
echo "display scale $((scale_c / 100)).$(printf %02d $((scale_c % 100)))"
[ "$screen" != 1920x1080 ] || [ -n "${QT_SCALE_FACTOR:-}" ] || ((scale_c >= 150)) ||
    fail "the windows are not drawn larger on a $screen screen (scale ${scale_c}/100)"
type_into() { click "$logon" "$(px $((2280 + 2415 / 2)))" "$(px $(($1 + 285 / 2)))"; xdotool type --delay 40 "$2"; }
press_ok() { click "$logon" "$(px $((5040 + 1335 / 2)))" "$(px $((840 + 375 / 2)))"; }
type_into 720 ann
type_into 1200 bob
shot "$logon" logon-wrong-password
press_ok
box=$(wait_title '^Playhaven$')
shot "$box" box-echo-wrong
answer_box "$box" Return
wait_gone "$box" "the echo message"
next_box() { # the next message box once the previous one has gone
    wait_gone "$box" "the previous message"
    box=$(wait_title '^Playhaven$')
    shot "$box" "box-$1"
}
next_box password-invalid
not_viewable "$logon" || fail "the logon dialog stays shown during an invalid attempt"
answer_box "$box" Return
next_box hint-question
answer_box "$box" "$(yes_key)"
next_box hint
answer_box "$box" Return
wait_gone "$box" "the hint"
# A hidden window may give its X window back, so the dialog that comes back is found anew.
logon=$(wait_title "$logon_title" 10)
shot "$logon" logon-again
type_into 1200 ann
press_ok
box=$(wait_title '^Playhaven$')
shot "$box" box-echo-right
answer_box "$box" Return
launcher=$(wait_title '^Skydash$')
wait_gone "$logon" "the logon dialog"

step "launcher: race until a game button shows"
# The menu bar ends where the black sky starts, at the right, beyond the star field.
menu=$(menu_height "$launcher" $(($(size_of "$launcher" | cut -d' ' -f1) - 20)) 0 0 0)
[ -n "$menu" ] || fail "no menu bar found on the launcher"
# The whole Launch Pad, down to its Exit button (bottom at 8055 twips), lies on the screen.
(($(size_of "$launcher" | cut -d' ' -f2) >= menu + $(px 8055))) || fail "the launcher is cut off at the bottom"
shot "$launcher" launcher
click "$launcher" "$(px $((4920 + 120 + 1815 / 2)))" $(($(px $((6720 + 360 + 375 / 2))) + menu))
game_button_shown() {
    grab "$launcher" || return 1
    local left
    for left in 3720 6960; do
        read -r r g b < <(mean_rgb $(($(px $left) + $(px 90))) $((menu + $(px 480) + $(px 60))) $(($(px 1215) - $(px 180))) 6)
        ((r > 215 && g > 215 && b < 160)) && return 0
    done
    return 1
}
poll 30 game_button_shown >/dev/null || fail "no game button after the race"
shot "$launcher" launcher-race-won

play_board
play_spinner

step "Exit"
click "$launcher" "$(px $((4920 + 120 + 1815 / 2)))" $(($(px $((6720 + 960 + 375 / 2))) + menu))
ended() { [ ! -e "/proc/$app_pid" ] || [ "$(cut -d' ' -f3 "/proc/$app_pid/stat" 2>/dev/null)" = Z ]; }
poll 15 ended >/dev/null || fail "the program did not end after Exit"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
step "passed; screenshots in $shots_dir"
