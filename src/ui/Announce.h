// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Saying what just happened to a player who listens rather than looks. Screen readers speak a
// change of the focused control's accessible description at once, so the text becomes, for a
// moment, the description of the control that has the keyboard focus (else of the active
// window); once the focus leaves that control it gets its own description back. Nothing on the
// screen changes.
namespace ui {

void announce(const QString &text);
// The text of the latest announcement, as said (for tests).
QString lastAnnouncement();

} // namespace ui
