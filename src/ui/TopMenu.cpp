// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TopMenu.h"

#include "ui/BuildContext.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ui {

QAction *TopMenu::create(BuildContext &context, const ControlDesign &row)
{
    QMenuBar *bar = context.menuBar();
    auto *menu = new QMenu(row.shownCaption(), bar);
    menu->setObjectName(row.name);
    QAction *action = bar->addMenu(menu);
    action->setObjectName(row.name);
    action->setVisible(row.isVisible);
    action->setEnabled(row.isEnabled);
    return action;
}

} // namespace ui
