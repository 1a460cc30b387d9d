// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QRadioButton>

namespace ui {

// An option button of its container's group. Click runs when it becomes selected, by the user
// or by code, never when an already selected button is clicked again. Code may also unselect
// it, leaving the group with no selection.
class OptionButton : public QRadioButton, public ControlBase {
    Q_OBJECT
public:
    static OptionButton *create(BuildContext &context, const ControlDesign &row);
    explicit OptionButton(QWidget *parent = nullptr);
    bool Value() const { return isChecked(); }
    void setValue(bool selected);
    bool captionFits(const QString &source = {}) const override;
signals:
    void Click();
    // Space on the button while it is already selected: the toolkit does nothing then, so a
    // window that lets a selected button act again from the keyboard listens to this.
    void Reselected();

protected:
    void keyReleaseEvent(QKeyEvent *e) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace ui
