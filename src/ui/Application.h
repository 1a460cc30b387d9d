// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
class QApplication;

namespace ui {

// Program-wide set-up of the toolkit: one style on every desktop (so coloured button faces
// show), "*" as the password mask, and no quitting when the last window closes: the program
// passes through moments with no visible window and ends only where its rules say.
void initApplication(QApplication &app);

// Draws every window built from now on at `scale` (see displayScale()): the application's font
// grows with it, and the boxes, marks and icons the style draws.
void useDisplayScale(double scale);

} // namespace ui
