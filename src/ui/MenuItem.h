// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"

class QAction;

namespace ui {

// An item of a top-level menu (or a separator between items), or, outside any menu, an item of
// the menu bar itself that acts at once when chosen.
struct MenuItem {
    static constexpr Extent extent = Extent::MenuBar;
    static QAction *create(BuildContext &context, const ControlDesign &row);
};

} // namespace ui
