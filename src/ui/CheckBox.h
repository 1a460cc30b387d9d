// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QCheckBox>

namespace ui {

// A check box holding 0 (unticked) or 1 (ticked); Click runs whenever its value changes.
class CheckBox : public QCheckBox, public ControlBase {
    Q_OBJECT
public:
    static CheckBox *create(BuildContext &context, const ControlDesign &row);
    explicit CheckBox(QWidget *parent = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
    bool captionFits(const QString &source = {}) const override;
signals:
    void Click();

protected:
    // A click anywhere on the control counts, not only on its box and text.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    // The box is drawn whole even on a control lower than the style's box.
    void paintEvent(QPaintEvent *e) override;
};

} // namespace ui
