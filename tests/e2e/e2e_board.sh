# SPDX-License-Identifier: GPL-3.0-or-later
# The board game part of the end-to-end run (sourced by run_e2e.sh): "Games" -> "Brookhop", its
# splash with "GO!", two players (bicycle and cars), a spin of the bicycle and its move.

# "Games" -> item N of the launcher; sets splash to the splash window (client 10245 twips wide,
# HEIGHT high) and f to the width of the frame it draws around itself.
open_splash() { # N HEIGHT NAME
    menu_pick "$launcher" "$menu" 1 "$1" 2 "the launcher's Games menu"
    wait_gone "$launcher" "the launcher"
    splash=$(poll 10 untitled_sized "$(px 10245)" "$(px "$2")") || fail "the $3 splash did not open"
    f=$((($(size_of "$splash" | cut -d' ' -f1) - $(px 10245)) / 2))
}

# The end of a splash window: click "Game" (yellow, at the given place in twips inside the
# window's own frame), see the colours change, and wait for the game window that follows.
finish_splash() { # SPLASH FRAME GAME_LEFT GAME_TOP NEXT_TITLE NAME; sets game to the game window
    local splash=$1 f=$2
    wait_colour "$splash" $((f + $(px $3) + $(px 90))) $((f + $(px $4) + $(px 60))) $(($(px 1215) - $(px 180))) 6 255 255 0 \
        "the \"Game\" button of the $6 splash" 30
    shot "$splash" "$6-splash-logo"
    click "$splash" $((f + $(px $(($3 + 1215 / 2))))) $((f + $(px $(($4 + 495 / 2)))))
    poll 10 not_near "$splash" $((f + $(px 60))) $((f + $(px 60))) 8 8 0 0 255 >/dev/null ||
        fail "the $6 splash did not change its colour"
    shot "$splash" "$6-splash-colours"
    game=$(wait_title "$5" 90)
    wait_gone "$splash" "the $6 splash"
}

# Stones 1 to 4 (the targets of a first spin from START), Left and Top in twips.
stone_left=(120 2520 4320 6120 7920)
stone_top=(1080 480 480 480 480)

# Spinner labels, by value: Left Top Width Height inside the spinner frame.
declare -A spin_label=([-2]="120 120 975 615" [-1]="1080 120 975 615" [0]="120 720 1935 615"
    [1]="120 1320 975 615" [2]="1080 1320 975 615" [3]="120 1920 975 615" [4]="1080 1920 975 615")

# The value whose label the spin lit red, or "box" when a message box ("You lose a turn!") shows.
spin_outcome() {
    titled '^Playhaven$' >/dev/null && { echo box; return 0; }
    grab "$board" || return 1
    local v l t w h
    for v in "${!spin_label[@]}"; do
        read -r l t w h <<<"${spin_label[$v]}"
        if (($(red_pixels $(px $((120 + l))) $((menu + $(px $((2040 + t))))) $(px "$w") $(px "$h")) > 40)); then
            echo "$v"
            return 0
        fi
    done
    return 1
}

# A marker picture's rectangle on stone S in pixels: X Y W H (bicycle: offset 0,240 on a
# square stone, 120,120 on START).
bicycle_rect() {
    local dx=0 dy=240
    (($1 == 0)) && dx=120 dy=120
    echo "$(px $((stone_left[$1] + dx))) $((menu + $(px $((stone_top[$1] + dy))))) $(px 375) $(px 255)"
}

start_picture_white() { # KIND_LEFT_OFFSET: is that START picture hidden (the stone's white)?
    near "$board" "$(px $((120 + $1)))" $((menu + $(px 1200))) "$(px 375)" "$(px 255)" 255 255 255
}

play_board() {
    step "board game: Games -> Brookhop, through the splash"
    open_splash 1 6870 board
    poll 15 red_text_in "$splash" 0 $((f + $(px 2760))) "$(px 10245)" "$(px 1095)" >/dev/null ||
        fail "\"On Your Mark!\" did not show"
    shot "$splash" brookhop-splash-on-your-mark
    wait_colour "$splash" $((f + $(px 3960) + $(px 150))) $((f + $(px 2520) + $(px 150))) 10 10 255 255 255 "\"GO!\"" 30
    shot "$splash" brookhop-splash-go
    click "$splash" $((f + $(px $((3960 + 2175 / 2))))) $((f + $(px $((2520 + 2025 / 2)))))
    finish_splash "$splash" "$f" $((1200 + 6240)) $((1080 + 4080)) '^Brookhop$' brookhop
    board=$game
    shot "$board" board

    step "board game: Player Options -> Two Players, tick Bicycle and Cars, close"
    menu_pick "$board" "$menu" 2 2 3 "the board's Player Options menu"
    local options sig
    options=$(wait_title "^$(text frmPlayerOptions 'Player Options')\$")
    shot "$options" player-options
    for top in 480 1200; do # chkBicycle, chkCars
        grab "$options"
        sig=$(signature "$(px 600)" "$(px $((1080 + top)))" 16 "$(px 195)")
        click "$options" $(($(px 600) + $(px 90))) "$(px $((1080 + top + 97)))"
        poll 5 changed_from "$options" "$sig" "$(px 600)" "$(px $((1080 + top)))" 16 "$(px 195)" >/dev/null ||
            fail "a check box of the player options did not tick"
    done
    shot "$options" player-options-ticked
    local ax ay w top_frame
    read -r ax ay w < <(xwininfo -id "$options" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} END{print x, y, w}')
    top_frame=$(xprop -id "$options" _NET_FRAME_EXTENTS | awk -F', ' '{print $3}')
    xdotool mousemove $((ax + w - 8)) $((ay - top_frame / 2)) click 1 # the close box
    wait_gone "$options" "the player options dialog"
    start_picture_white 1320 || fail "the plane is still on START after choosing bicycle and cars"
    ! start_picture_white 120 && ! start_picture_white 720 || fail "bicycle or cars missing on START"
    shot "$board" board-two-players

    step "board game: spin the bicycle and move it"
    local value= tries
    for tries in 1 2 3 4 5 6 7 8 9 10; do
        click "$board" "$(px $((120 + 240 + 127)))" $((menu + $(px $((2040 + 2760 + 127)))))
        value=$(poll 10 spin_outcome) || fail "the bicycle's spin showed nothing"
        [ "$value" != box ] && break
        step "the spin was 0: \"You lose a turn!\"; unselect the option button and spin again"
        box=$(titled '^Playhaven$')
        [ "$tries" -gt 1 ] || shot "$box" box-lose-a-turn
        answer_box "$box" Return
        wait_gone "$box" "\"You lose a turn!\""
        # Unselect the option button through the picture under it, then spin again.
        click "$board" "$(px $((120 + 120 + 247)))" $((menu + $(px $((2040 + 3120 + 247)))))
        value=
    done
    [ -n "$value" ] && [ "$value" != box ] || fail "ten spins in a row lost the turn"
    ((value >= 1 && value <= 4)) || fail "a spin from START lit $value"
    step "the spin lit $value: drag the bicycle from START to stone $value"
    shot "$board" "board-spin-$value"
    drag_bicycle "$value"
    shot "$board" board-moved

    step "board game: End"
    click "$board" "$(px $((240 + 975 / 2)))" $((menu + $(px $((6000 + 495 / 2)))))
    launcher=$(wait_title '^Skydash$')
    wait_gone "$board" "the board"
}

drag_bicycle() { # STONE
    local from to x0 y0 x1 y1 n sig l t w h
    read -r l t w h <<<"$(bicycle_rect 0)"
    x0=$((l + w / 2)) y0=$((t + h / 2))
    x1=$(($(px ${stone_left[$1]}) + $(px 150))) y1=$((menu + $(px ${stone_top[$1]}) + $(px 720))) # the stone's own surface
    grab "$board"
    sig=$(signature $(bicycle_rect "$1"))
    xdotool mousemove --window "$board" "$x0" "$y0" mousedown 1
    for n in $(seq 1 20); do # a steady drag, as a hand makes it
        xdotool mousemove --window "$board" $((x0 + (x1 - x0) * n / 20)) $((y0 + (y1 - y0) * n / 20))
        sleep 0.03
    done
    xdotool mouseup 1
    poll 5 changed_from "$board" "$sig" $(bicycle_rect "$1") >/dev/null || fail "the bicycle did not arrive on stone $1"
    start_picture_white 120 || fail "the bicycle is still on START after its move"
    read -r l t w h <<<"${spin_label[$1]}"
    grab "$board"
    (($(red_pixels $(px $((120 + l))) $((menu + $(px $((2040 + t))))) $(px "$w") $(px "$h")) < 40)) ||
        fail "the spinner label stays lit after the move"
}
