# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Playhaven by keys alone, as a blind child would with a screen reader: log on, race,
the board game (spin, pick up, a wrong stone, the right stone, the next player), the spinner
game (ten spins) and a help topic. Keys go in through the X server (xdotool); what to press next
is decided from the accessibility tree, the same the screen reader reads. Prints each key with
the time it was pressed, for the transcript.
Usage: drive.py  (DISPLAY and the accessibility bus are the caller's)"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

T0 = time.time()


def log(text):
    print(f"{time.time() - T0:7.2f} {text}", flush=True)


def key(*keys):
    for k in keys:
        log(f"KEY {k}")
        subprocess.run(["xdotool", "key", "--clearmodifiers", k], check=True)
        time.sleep(1.2)  # the screen reader's time to speak


def type_text(text):
    log(f"TYPE {text}")
    subprocess.run(["xdotool", "type", "--delay", "120", text], check=True)
    time.sleep(1.0)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "playhaven":
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


# The focus as the screen reader follows it: from the focus events, not from the tree, where a
# hidden window may still report a focused control of its own.
LAST_FOCUS = [None]
PLAYED = [None]  # the window being played, once it is known


def on_focus(event):
    if event.detail1:
        log(f"focus {describe(event.source)}")
        # The window's stand-ins that say what happened (fillers) are reported as focused while
        # the keyboard focus stays where it was.
        try:
            if event.source.getRole() == pyatspi.ROLE_FILLER:
                return
        except Exception:
            return
        LAST_FOCUS[0] = event.source


def focused_in(node):
    for child in walk(node):
        try:
            state = child.getState()
            if state.contains(pyatspi.STATE_FOCUSED) and state.contains(pyatspi.STATE_SHOWING):
                return child
        except Exception:
            pass
    return None


def on_activate(event):
    # A window that becomes active brings back the focus it had, without a focus event.
    inside = focused_in(event.source)
    log(f"activate {describe(event.source)}: {describe(inside)}")
    if inside is not None:
        LAST_FOCUS[0] = inside


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def focused():
    pump()
    # Before the first focus event, or where the focus event came from another window than the
    # one being played (a window that becomes active brings back its focus without an event):
    # what the tree says.
    if LAST_FOCUS[0] is None:
        LAST_FOCUS[0] = focused_in(PLAYED[0] or application())
    elif PLAYED[0] is not None and window_of(LAST_FOCUS[0]) != PLAYED[0]:
        LAST_FOCUS[0] = focused_in(PLAYED[0])
    return LAST_FOCUS[0]


def window_of(node):
    try:
        while node.parent is not None and node.parent.getRole() != pyatspi.ROLE_APPLICATION:
            node = node.parent
    except Exception:
        return None
    return node


def play_in(test, what, timeout=60.0):
    """Waits for the window that holds a control `test` accepts, and plays in it from then on."""
    def window():
        for i in range(application().childCount):
            w = application().getChildAtIndex(i)
            if w is not None and showing(w) and any(test(n) for n in walk(w)):
                return w
        return None

    PLAYED[0] = wait_for(window, what, timeout)
    LAST_FOCUS[0] = None


def describe(node):
    if node is None:
        return "(nothing)"
    try:
        return f"{node.name!r} {node.getRoleName()} {node.description!r}"
    except Exception:
        return "(gone)"


def wait_for(test, what, timeout=40.0):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = test()
        except Exception:
            found = None
        if found:
            return found
        time.sleep(0.3)
    sys.exit(f"drive: gave up waiting for {what}; focus on {describe(focused())}")


def named(prefix, role=None):
    def test():
        for node in walk(application()):
            try:
                if node.name.startswith(prefix) and showing(node) and (role is None or node.getRole() == role):
                    return node
            except Exception:
                pass
        return None

    return test


def focus_is(prefix):
    def test():
        node = focused()
        return node if node is not None and node.name.startswith(prefix) else None

    return test


def tab_to(prefix, limit=120, back=False):
    for _ in range(limit):
        node = focused()
        if node is not None and node.name.startswith(prefix):
            return node
        subprocess.run(["xdotool", "key", "shift+Tab" if back else "Tab"], check=True)
        time.sleep(0.15)
    sys.exit(f"drive: Tab never reached {prefix!r}")



MESSAGES = ("You lose a turn!", "Two players can't be on the same stone", "Congratulations!",
            "You came in", "You must land on FINISH")


def message_box():
    """The text of the message box that is open, if one is (the board's status bar may show the
    same words)."""
    node = message_box_text(MESSAGES)
    return node.name if node is not None else None


def message_box_text(prefix):
    """The label of an open message box that starts with prefix (a string or a tuple of them)."""
    app = application()
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.getRole() == pyatspi.ROLE_ALERT and showing(window):
            for node in walk(window):
                if node.getRole() == pyatspi.ROLE_LABEL and node.name.startswith(prefix):
                    return node
    return None


def dismiss_messages():
    """Closes each message box as a child would, by Enter once it has been read; returns their texts."""
    seen = []
    time.sleep(0.5)
    while (text := message_box()) is not None:
        seen.append(text)
        key("Return")
        time.sleep(0.5)
    return seen


def spin_button_focused():
    f = focused()
    return f if f is not None and f.name.endswith("spin button") else None


def play_board():
    """Two players, Bicycle and Cars, chosen in Player Options; then turns until two moves are
    made, or, with PLAYHAVEN_ORCA_WHOLE_GAME=1, until both have finished."""
    whole = os.environ.get("PLAYHAVEN_ORCA_WHOLE_GAME") == "1"
    key("F10", "Right", "Down", "Return")  # Player Options, Two Players
    play_in(lambda n: n.name == "Bicycle" and n.getRole() == pyatspi.ROLE_CHECK_BOX, "the player options")
    for marker in ("Bicycle", "Cars"):
        tab_to(marker)
        key("space")
        time.sleep(0.5)
    key("Escape")
    play_in(lambda n: n.name.startswith("Spinner") and n.getRole() == pyatspi.ROLE_PANEL, "the board again")
    tab_to("Bicycle spin button")
    moves = 0
    finished = 0
    wrong_stone_tried = False
    turns = 0
    while (finished < 2) if whole else (moves < 2):
        turns += 1
        if turns > 400:
            sys.exit("drive: the board game did not end in 400 turns")
        button = wait_for(spin_button_focused, "a spin button")
        marker = button.name.split(" ")[0]
        key("space")
        if any(m.startswith("You lose a turn!") for m in dismiss_messages()):
            wait_for(spin_button_focused, "the next player's spin button")
            continue
        spinner = wait_for(named("Spinner:", pyatspi.ROLE_PANEL), "the lit spinner value")
        value = int(spinner.name.split(":")[1])
        held = wait_for(focus_is(f"{marker} marker on stone"), "the focus on the marker to move", timeout=10)
        at = int(held.name.split("stone ")[1].split(",")[0].split(" ")[0])
        target = at + value
        key("space")  # picks it up
        here = at
        if not wrong_stone_tried:
            wrong = at + 1 if target != at + 1 else at + 2
            tab_to(f"Stone {wrong},")
            key("space")  # refused: the marker stays picked up
            wrong_stone_tried = True
            here = wrong
        tab_to(f"Stone {target},", back=target < here)
        key("Return")
        said = dismiss_messages()
        finished += sum(1 for m in said if "place" in m)
        moves += 1
        if finished < 2:
            wait_for(spin_button_focused, "the next player's spin button")
    log(f"BOARD DONE after {turns} turns, {moves} moves")


def main():
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_activate, "window:activate")
    wait_for(application, "the program on the accessibility bus")
    wait_for(focus_is("User Name"), "the logon's user name box")
    log("LOGON")
    type_text("ann")
    key("alt+p")
    type_text("ann")
    key("Return")
    wait_for(named("User Name = ann", pyatspi.ROLE_LABEL), "the logon's echo")
    key("Return")

    log("LAUNCHER")
    wait_for(focus_is("Start Race"), "the launcher's Start Race button")
    key("space")
    game = wait_for(lambda: (f := focused()) is not None and f.name in ("Brookhop", "Spinzo") and f, "the race's end")
    time.sleep(2)
    if game.name != "Brookhop":
        key("F10", "Return", "Return")  # Games, Brookhop
    else:
        key("space")

    log("BOARD")
    wait_for(focus_is("GO!"), "the splash window's GO! button", timeout=30)
    key("space")
    wait_for(focus_is("Game"), "the splash window's Game button", timeout=60)
    key("Return")
    play_in(lambda n: n.name.startswith("Spinner") and n.getRole() == pyatspi.ROLE_PANEL, "the board")
    wait_for(focus_is("Bicycle spin button"), "the board's first spin button", timeout=20)
    play_board()

    log("SPINNER")
    tab_to("End")
    key("space")
    play_in(lambda n: n.name == "Start Race", "the launcher again")
    wait_for(focus_is("Start Race"), "the launcher's focus")
    key("F10", "Return", "Down", "Return")  # Games, Spinzo
    play_in(lambda n: n.name == "Game", "the spinner splash", timeout=60)
    wait_for(focus_is("Game"), "the spinner splash's Game button", timeout=60)
    key("Return")
    play_in(lambda n: n.name.startswith("Attempts"), "the spinner game")
    wait_for(focus_is("Spin"), "the Spin button", timeout=20)
    for _ in range(10):
        key("space")
        question = named("Do you want to continue", pyatspi.ROLE_LABEL)()
        if question is not None:
            key("Return")

    log("HELP")
    key("F10", "Right", "Return")  # Help, Contents
    play_in(lambda n: n.name == "Definition", "the help window")
    tab_to("How to play")
    key("Return")
    key("Escape")
    play_in(lambda n: n.name.startswith("Attempts"), "the spinner game again")
    wait_for(focus_is("Spin"), "the focus back on Spin")

    log("HIGH SCORE")
    tab_to("End")
    key("space")
    wait_for(lambda: message_box_text("Do you want to see your highest score?"), "the end-of-game question")
    key("Return")  # Yes
    wait_for(named("Your highest score is"), "the high-score window", timeout=20)
    time.sleep(2)
    log("DONE")


if __name__ == "__main__":
    main()
