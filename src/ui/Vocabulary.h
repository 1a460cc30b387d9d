// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ControlDesign.h"
#include "ui/Frame.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/MenuItem.h"
#include "ui/OptionButton.h"
#include "ui/PictureBox.h"
#include "ui/StatusBar.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"
#include "ui/ToolBar.h"
#include "ui/TopMenu.h"

namespace ui {

// The vocabulary of the design tables, in scope in every window's class: one function for each
// kind of control, which builds itself from the row it starts.
struct DesignVocabulary : Colours {
    static Row<Label> label() { return {}; }
    static Row<Button> button() { return {}; }
    static Row<TextBox> textBox() { return {}; }
    static Row<CheckBox> checkBox() { return {}; }
    static Row<OptionButton> optionButton() { return {}; }
    static Row<Frame> frame() { return {}; }
    static Row<Image> image() { return {}; }
    static Row<PictureBox> pictureBox() { return {}; }
    static Row<Line> line() { return {}; }
    static Row<Timer> timer() { return {}; }
    static Row<ToolBar> toolBar() { return {}; }
    static Row<StatusBar> statusBar() { return {}; }
    // A top-level menu of the menu bar; with no items under it, it acts at once when chosen.
    static Row<TopMenu> topMenu(const QString &caption) { return Row<TopMenu>().caption(caption); }
    static Row<MenuItem> menuItem(const QString &caption) { return Row<MenuItem>().caption(caption); }
    static Row<MenuItem> menuSeparator() { return Row<MenuItem>().separator(); }
    static FontDesign arial(double points) { return ui::arial(points); }
    static FontDesign sansSerif(double points) { return ui::sansSerif(points); }
};

} // namespace ui
