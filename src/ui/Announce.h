// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QAccessibleEvent;
class QWidget;

// Saying what just happened to a player who listens rather than looks. Screen readers speak
// what gets the focus, so each window has two quiet stand-ins: no size, never drawn, out of the
// tab order and out of the mouse's way. To say a text, one of them is named by it and is
// reported to assistive technology as focused, taking turns so that each text is a new focus;
// the keyboard focus itself does not move, and nothing on the screen changes. (A change of the
// focused control's description is not spoken by the desktop's screen reader with this
// toolkit's version, and a window has no announcement event of its own.)
namespace ui {

// Says the text in the window of the keyboard focus (else the active window), at once, or as
// soon as that window is active again when a message box is still closing.
void announce(const QString &text);

// Moves the keyboard focus to the control and says the text with it: the text is the control's
// description until the focus leaves it again, so the screen reader reads both as one. When the
// control already has the focus, the text is said as announce() says it.
void focusAndAnnounce(QWidget *to, const QString &text);

// The text of the latest announcement, as said (for tests).
QString lastAnnouncement();

// The text of an announcement made since the program last went back to its event loop, else
// empty. A message box that opens at once after it carries the text as its description: the
// screen reader, reading the box as it opens, would cut the announcement short.
QString justAnnounced();

// Where the stand-ins' focus reports go: to the toolkit (by default), or to a test, which
// sees them without a screen reader listening. Returns the one it replaces.
using FocusReport = void (*)(QAccessibleEvent *event);
FocusReport reportFocusTo(FocusReport sink);

} // namespace ui
