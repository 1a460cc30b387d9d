// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesignExtent.h"

#include "ui/ControlSlot.h"
#include "ui/Geometry.h"

#include <QApplication>
#include <QFont>
#include <algorithm>
#include <cmath>

namespace ui {

QSizeF designExtent(const FormDesign &design, const std::vector<ControlSlot *> &controls)
{
    double right = design.clientWidth, bottom = design.clientHeight;
    bool menus = false, toolBar = false, statusBar = false;
    for (const ControlSlot *slot : controls) {
        for (const ControlDesign &row : slot->rows()) {
            const bool onWindow = !row.containerSlot;
            switch (row.extent) {
            case Extent::Box:
                if (onWindow) {
                    right = std::max(right, row.left + row.width);
                    bottom = std::max(bottom, row.top + row.height);
                }
                break;
            case Extent::Ends: // a line's two ends
                if (onWindow) {
                    right = std::max({ right, row.left, row.width });
                    bottom = std::max({ bottom, row.top, row.height });
                }
                break;
            case Extent::MenuBar:
                menus = true;
                break;
            case Extent::ToolBar:
                toolBar = true;
                break;
            case Extent::StatusBar:
                statusBar = true;
                break;
            case Extent::None:
                break;
            }
        }
    }
    // The bars at scale 1 as the style draws them: a line of the application's text with its
    // margins, and the tool bar's 16-pixel icons with theirs. The line is reckoned from the
    // font's size (its faces' lines are about 1.2 ems): measuring it would load the font at a
    // size no window shows once the scale is chosen, a tenth of a start-up's font work.
    const QFont font = QApplication::font();
    const double em = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * logicalDpi() / 72;
    const int line = int(std::ceil(em * 1.2));
    const double bars = (menus ? line + 10 : 0) + (toolBar ? 16 + 14 : 0) + (statusBar ? line + 10 : 0);
    return { designPixelsOf(right), designPixelsOf(bottom) + bars };
}

} // namespace ui
