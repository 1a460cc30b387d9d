// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

// Whether w is to draw its focus rectangle: it has the focus, and its window has been used from
// the keyboard (Tab, arrows, Space or Enter) since the last mouse click there, as on desktops,
// where a click leaves no rectangle behind. Controls that draw their own focus call
// followInputKind() once so that the keys and clicks are watched.
bool showsKeyboardFocus(const QWidget *w);
void followInputKind();
// Whether w's window was last used from the keyboard rather than clicked (once followInputKind()
// has been called).
bool usedByKeyboard(const QWidget *w);
// The control that has the keyboard focus, or, while the menus are used from the keyboard (the
// menu bar holds the focus then), the control that had it before them (once followInputKind()
// has been called).
QWidget *focusOutsideMenus();

} // namespace ui
