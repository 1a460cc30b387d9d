// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"

class QAction;

namespace ui {

// A top-level menu of the window's menu bar. Its menu action stands for it (caption, enabled,
// visible); with no items under it, it acts at once when chosen.
struct TopMenu {
    static constexpr Extent extent = Extent::MenuBar;
    static QAction *create(BuildContext &context, const ControlDesign &row);
};

} // namespace ui
