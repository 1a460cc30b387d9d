// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MenuItem.h"

#include "ui/BuildContext.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ui {

QAction *MenuItem::create(BuildContext &context, const ControlDesign &row)
{
    QAction *action = nullptr;
    if (!row.containerSlot) {
        action = context.menuBar()->addAction(row.shownCaption());
    } else {
        auto *topMenu = qobject_cast<QAction *>(context.containerOf(row));
        QMenu *menu = topMenu ? topMenu->menu() : nullptr;
        if (!menu)
            qFatal("menu item %s lies in no menu", qPrintable(row.name));
        action = row.isSeparator ? menu->addSeparator() : menu->addAction(row.shownCaption());
    }
    action->setObjectName(row.name);
    action->setVisible(row.isVisible);
    action->setEnabled(row.isEnabled);
    return action;
}

} // namespace ui
