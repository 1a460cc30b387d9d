// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CheckBox.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

CheckBox *CheckBox::create(BuildContext &context, const ControlDesign &row)
{
    auto *c = new CheckBox(context.parentFor(row));
    c->applyDesign(row, context);
    c->setText(row.shownCaption());
    c->describeCaption(row.shownCaption());
    c->fitCaption(row.sourceCaption());
    c->setValue(row.isChecked ? 1 : 0);
    return c;
}

CheckBox::CheckBox(QWidget *parent)
    : QCheckBox(parent)
    , ControlBase(this)
{
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
    followInputKind();
}

bool CheckBox::captionFits(const QString &) const
{
    if (text().isEmpty())
        return true;
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    return fontMetrics().horizontalAdvance(text()) <= area.width();
}

void CheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style places its box from the top; on a control lower than the box it would lose its
    // bottom edge. The box shrinks to the height and stands centred in it.
    QStyleOptionButton box = option;
    box.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    const int side = std::min({ box.rect.width(), box.rect.height(), height() });
    box.rect = QRect(box.rect.x(), (height() - side) / 2, side, side);
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    p.drawControl(QStyle::CE_CheckBoxLabel, label);
    if (showsKeyboardFocus(this)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_CheckBoxFocusRect, &option, this);
        focus.backgroundColor = palette().color(QPalette::Window);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace ui
