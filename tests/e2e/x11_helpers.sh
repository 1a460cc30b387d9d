# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for driving the real program on an X server with real input events (xdotool) and for
# watching it through window titles and screen pixels (x11-utils, ImageMagick). Sourced by
# run_e2e.sh; every wait polls a condition and fails the run after its own time limit.

shots_dir=${shots_dir:?}
work=${work:?}

fail() {
    echo "FAIL: $*" >&2
    import -window root "$shots_dir/failure.png" 2>/dev/null || true
    echo "screen at the failure: $shots_dir/failure.png; the program's visible windows:" >&2
    local id
    for id in $(xdotool search --onlyvisible --classname '^playhaven$' 2>/dev/null); do
        echo "  $id $(xprop -id "$id" WM_NAME _NET_WM_WINDOW_TYPE 2>/dev/null | tr '\n' ' ') $(size_of "$id")" >&2
    done
    exit 1
}

step() { echo "[$(date +%T)] $*"; }

# Twips of the window tables to pixels at 96 dpi (15 twips a pixel at display scale 1), at the
# display scale in hundredths (scale_c 150 is 1.5), rounded.
scale_c=100
px() { echo $(((2 * $1 * scale_c + 1500) / 3000)); }

# poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; its output is kept.
poll() {
    local limit=$1
    shift
    local deadline=$((SECONDS + limit))
    while ((SECONDS < deadline)); do
        if "$@" >"$work/poll.out" 2>/dev/null; then
            cat "$work/poll.out"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
not_viewable() { ! viewable "$1"; }

# The one visible window whose title matches the regular expression.
titled() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }

wait_title() { # REGEX [SECONDS] -> window id
    poll "${2:-20}" titled "$1" || fail "no window titled /$1/ within ${2:-20} s"
}

wait_gone() { # ID WHAT [SECONDS]
    poll "${3:-10}" not_viewable "$1" >/dev/null || fail "$2 is still shown after ${3:-10} s"
}

# A visible window of the program with no title and about the given size (the splash windows).
untitled_sized() { # WIDTH HEIGHT
    local id name w h
    for id in $(xdotool search --onlyvisible --classname '^playhaven$' 2>/dev/null); do
        name=$(xprop -id "$id" WM_NAME _NET_WM_WINDOW_TYPE 2>/dev/null)
        grep -q '"' <<<"$name" && continue # has a title
        grep -q 'MENU' <<<"$name" && continue
        read -r w h < <(xwininfo -id "$id" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
        # The frame a window draws around itself: up to 12 pixels at scale 1.
        if ((w >= $1 && w <= $1 + $(px 180) && h >= $2 && h <= $2 + $(px 180))); then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Visible windows of the program.
shown_windows() { xdotool search --onlyvisible --classname '^playhaven$' 2>/dev/null | sort; }

# A visible window without a title that is not among the given ones (a menu that has opened).
new_untitled() { # KNOWN_IDS...
    local id
    for id in $(shown_windows); do
        [[ " $* " == *" $id "* ]] && continue
        xprop -id "$id" WM_NAME 2>/dev/null | grep -q '"' && continue
        echo "$id"
        return 0
    done
    return 1
}

size_of() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}'; }

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Grab a window once; the pixel helpers read the last grab.
grab() { import -window "$1" "$work/grab.png" 2>/dev/null; }

# Mean colour of a rectangle of the last grab as "R G B" (0-255).
mean_rgb() { # X Y W H
    convert "$work/grab.png" -crop "${3}x${4}+${1}+${2}" +repage -scale '1x1!' \
        -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# True when the rectangle's mean colour is within 40 of each of R G B.
near() { # WIN X Y W H R G B
    grab "$1" || return 1
    local r g b
    read -r r g b < <(mean_rgb "$2" "$3" "$4" "$5")
    ((${r} - $6 < 40 && $6 - ${r} < 40 && ${g} - $7 < 40 && $7 - ${g} < 40 && ${b} - $8 < 40 && $8 - ${b} < 40))
}

not_near() { ! near "$@"; }

wait_colour() { # WIN X Y W H R G B WHAT [SECONDS]
    poll "${10:-20}" near "$1" "$2" "$3" "$4" "$5" "$6" "$7" "$8" >/dev/null ||
        fail "$9 did not show within ${10:-20} s"
}

# Pure red pixels (text lit red) in a rectangle of the last grab.
red_pixels() { # X Y W H
    convert "$work/grab.png" -crop "${3}x${4}+${1}+${2}" +repage txt:- |
        grep -c -E '#[EF][0-9A-F][0-3][0-9A-F][0-3][0-9A-F]' || true
}

red_text_in() { # WIN X Y W H: some text lit red there?
    grab "$1" && (($(red_pixels "$2" "$3" "$4" "$5") > 200))
}

# A picture of a rectangle of the last grab, to see whether it changed.
signature() { convert "$work/grab.png" -crop "${3}x${4}+${1}+${2}" +repage -format '%#' info:; }

changed_from() { # WIN SIGNATURE X Y W H
    grab "$1" && [ "$(signature "$3" "$4" "$5" "$6")" != "$2" ]
}

shot() { # WIN NAME
    shot_no=$((${shot_no:-0} + 1))
    local frame=() # a titled window with its title bar, as a person sees it
    xprop -id "$1" WM_NAME 2>/dev/null | grep -q '"' && frame=(-frame)
    import "${frame[@]}" -window "$1" "$shots_dir/$(printf '%02d' "$shot_no")-$2.png" 2>/dev/null ||
        fail "could not take the screenshot $2"
}

# Height of the menu bar: the first row, down the given column, in the window's back colour.
menu_height() { # WIN X R G B
    grab "$1"
    convert "$work/grab.png" -crop "1x200+$2+0" +repage txt:- |
        awk -v want="$(printf '#%02X%02X%02X' "$3" "$4" "$5")" 'NR > 1 && $3 == want && !found { split($1, p, "[,:]"); print p[2]; found = 1 }'
}

# Horizontal centres of the menu-bar titles: runs of dark text pixels, split at gaps over 8 px
# at scale 1 (wider than the blank between two words of a title).
menu_titles() { # WIN MENU_HEIGHT
    local gap
    gap=$(px 120)
    grab "$1"
    convert "$work/grab.png" -crop "$(size_of "$1" | cut -d' ' -f1)x$(($2 - 6))+0+3" +repage \
        -colorspace Gray -threshold 50% -negate -scale "x1!" -threshold 0 txt:- |
        awk -v gap="$gap" 'NR > 1 { split($1, p, "[,:]"); x = p[1]; if ($3 ~ /#FFFFFF/) {
                 if (start == "" || x - last > gap) { if (start != "") print int((start + last) / 2); start = x }
                 last = x } }
             END { if (start != "") print int((start + last) / 2) }'
}

# Opens the menu-bar title number N (from 1) and clicks item number I (from 1) of its N_ITEMS.
menu_pick() { # WIN MENU_HEIGHT N I N_ITEMS WHAT
    local titles x popup h before
    titles=($(menu_titles "$1" "$2"))
    x=${titles[$(($3 - 1))]:-}
    [ -n "$x" ] || fail "menu title $3 not found for $6 (found ${#titles[@]} titles)"
    before=$(shown_windows)
    click "$1" "$x" $(($2 / 2))
    popup=$(poll 5 new_untitled $before) || fail "the menu of $6 did not open"
    h=$(size_of "$popup" | cut -d' ' -f2)
    click "$popup" 30 $((h * (2 * $4 - 1) / (2 * $5)))
    wait_gone "$popup" "the menu of $6"
}

# Presses keys in a message box once it has the keyboard.
answer_box() { # ID KEYS...
    local id=$1
    shift
    poll 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $id ]" >/dev/null || xdotool windowactivate --sync "$id"
    xdotool key "$@"
}
