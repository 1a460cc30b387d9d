// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QToolBar>

class QAction;

namespace ui {

// A toolbar docked along the top edge of its window's client area; its buttons are known by
// their keys, and ButtonClick hands over the key of the clicked button.
class ToolBar : public QToolBar, public ControlBase {
    Q_OBJECT
public:
    static constexpr Extent extent = Extent::ToolBar;
    static ToolBar *create(BuildContext &context, const ControlDesign &row);
    explicit ToolBar(QWidget *parent = nullptr);
    void setButtons(const QList<ToolButtonDesign> &buttons);
    QAction *button(const QString &key) const;
    QStringList keys() const;
    // As high as at scale 1 times the scale: the design places controls right below it.
    QSize sizeHint() const override;

signals:
    void ButtonClick(const QString &key);
};

} // namespace ui
