// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ToolBar.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QApplication>
#include <QIcon>

namespace ui {

ToolBar *ToolBar::create(BuildContext &context, const ControlDesign &row)
{
    auto *t = new ToolBar(context.parentFor(row));
    t->setButtons(row.toolButtons);
    context.dockTop(t);
    t->applyDesign(row, context);
    return t;
}

ToolBar::ToolBar(QWidget *parent)
    : QToolBar(parent)
    , ControlBase(this)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(scaledPixels(16), scaledPixels(16)));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    useSystemColors(this);
}

void ToolBar::setButtons(const QList<ToolButtonDesign> &buttons)
{
    for (const ToolButtonDesign &b : buttons) {
        QAction *action = addAction(QIcon(pictureAt(b.icon, iconSize())), b.text);
        action->setObjectName(b.key);
        action->setToolTip(b.text);
        action->setData(b.key);
        connect(action, &QAction::triggered, this, [this, key = b.key] { emit ButtonClick(key); });
    }
}

QSize ToolBar::sizeHint() const
{
    // 16-pixel icons in the room the style gives a tool bar's buttons at scale 1. The style's
    // small margins, rounded to whole pixels at each scale, would leave the bar short of the
    // scale (40 pixels instead of 51 at 1.75) and a gap between it and the board below.
    constexpr int designHeight = 29;
    return { QToolBar::sizeHint().width(), scaledPixels(designHeight) };
}

QAction *ToolBar::button(const QString &key) const
{
    for (QAction *a : actions()) {
        if (a->data().toString() == key)
            return a;
    }
    return nullptr;
}

QStringList ToolBar::keys() const
{
    QStringList result;
    for (QAction *a : actions())
        result << a->data().toString();
    return result;
}

} // namespace ui
