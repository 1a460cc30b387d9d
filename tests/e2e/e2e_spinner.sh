# SPDX-License-Identifier: GPL-3.0-or-later
# The spinner game part of the end-to-end run (sourced by run_e2e.sh): "Games" -> "Spinzo", its
# splash, three spins, "End" with the highest score, "Exit the Game".

play_spinner() {
    step "spinner game: Games -> Spinzo, through the splash"
    open_splash 2 6960 spinner
    finish_splash "$splash" "$f" $((1560 + 5640)) $((1320 + 3360)) '^"SPINZO"$' spinzo
    local spinzo=$game
    # Same menu bar as the launcher's: the client area below it is 5550 twips high (to a pixel
    # or two where the toolkit's own scale factor rounds once more).
    local extra=$(($(size_of "$spinzo" | cut -d' ' -f2) - menu - $(px 5550)))
    ((extra >= -2 && extra <= 2)) ||
        fail "the spinner window is $(size_of "$spinzo") with a menu bar of $menu px"
    shot "$spinzo" spinzo

    step "spinner game: three spins"
    local attempts n sig
    attempts="$(px 3360) $((menu + $(px 1440))) $(px 855) $(px 495)" # lblAttempts
    for n in 1 2 3; do
        grab "$spinzo"
        sig=$(signature $attempts)
        click "$spinzo" "$(px $((1200 + 975 / 2)))" $((menu + $(px $((720 + 615 / 2)))))
        poll 5 changed_from "$spinzo" "$sig" $attempts >/dev/null || fail "spin $n did not count"
        ! titled '^Playhaven$' >/dev/null || fail "a question came after spin $n"
    done
    shot "$spinzo" spinzo-three-spins

    step "spinner game: End, see the highest score, Exit the Game"
    click "$spinzo" "$(px $((120 + 975 / 2)))" $((menu + $(px $((720 + 615 / 2)))))
    box=$(wait_title '^Playhaven$')
    shot "$box" box-see-highest-score
    answer_box "$box" "$(yes_key)"
    local score
    score=$(wait_title "^$(text frmShowHighScore 'Show High Score')\$")
    wait_gone "$spinzo" "the spinner window"
    wait_colour "$score" "$(px 300)" "$(px 1700)" 40 4 255 255 0 "the highest-score text"
    shot "$score" show-high-score
    click "$score" "$(px $((4320 + 3375 / 2)))" "$(px $((2040 + 375 / 2)))"
    launcher=$(wait_title '^Skydash$')
    wait_gone "$score" "the high-score window"
    shot "$launcher" launcher-after-games
}
