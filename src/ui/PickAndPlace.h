// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Moving a picture without dragging, for players who find press-drag-release hard: a click on
// an image in automatic drag mode (or Space while it has the focus) picks it up when its window
// has a picture box to put it into, and a click on a picture box of the same window (or Space or
// Enter while the box has the focus) puts it down there, delivered as the box's DragDrop exactly
// as a drop would be. Esc, a second click on the picked picture, or the picture being hidden,
// disabled or destroyed put it back. While a picture is picked up it is drawn lifted with a
// frame, and the mouse cursor over its window is its drag icon. One picture at most is picked
// up in the whole program. Picking up and putting back are said to a screen reader.
class QPixmap;

namespace ui::pick {

QWidget *carried();
// Picks the picture up, putting back any other picture picked up before; over its window the
// mouse cursor is `icon`.
void pickUp(QWidget *picture, const QPixmap &icon);
// Puts the picked-up picture back where it stands; false if none was picked up.
bool putBack();
// The picture picked up in this window, or nullptr; it is no longer picked up afterwards.
QWidget *takeFor(const QWidget *window);
// The picture is going away with its window: forget it without touching either.
void forget(const QWidget *picture);
// Whether the put-down being delivered now came from the keyboard (Space or Enter on a picture
// box), so that the window can keep the player on the keyboard.
bool placingByKeyboard();
// Marks the put-down delivered while it lives as one from the keyboard.
class KeyboardPutDown {
public:
    KeyboardPutDown();
    ~KeyboardPutDown();
    KeyboardPutDown(const KeyboardPutDown &) = delete;
    KeyboardPutDown &operator=(const KeyboardPutDown &) = delete;

private:
    bool m_was;
};

} // namespace ui::pick
