// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QPushButton>

namespace ui {

// A push button; its face takes the back colour (exactly, within a bevel), and a caption too
// wide for one line wraps at word breaks within the button.
class Button : public QPushButton, public ControlBase {
    Q_OBJECT
public:
    static Button *create(BuildContext &context, const ControlDesign &row);
    explicit Button(QWidget *parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString &c)
    {
        setText(c);
        describeCaption(c);
        fitCaption();
    }
    // Whether the caption is drawn on more than one line at the button's present size.
    bool captionWraps() const;
    bool captionFits(const QString &source = {}) const override;
signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QRect captionRect() const;
    void paintColouredFace(QPainter &p) const;
};

} // namespace ui
