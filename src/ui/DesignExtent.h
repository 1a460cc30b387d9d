// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"

#include <QSizeF>
#include <vector>

namespace ui {

class ControlSlot;

// What a window's design takes on the screen at display scale 1, in device-independent pixels:
// its client area, the controls that reach beyond it, and its menu bar and bars. The window
// manager's frame comes on top. Read from the design alone, with no view built.
QSizeF designExtent(const FormDesign &design, const std::vector<ControlSlot *> &controls);

} // namespace ui
