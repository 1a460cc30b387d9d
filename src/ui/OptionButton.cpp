// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OptionButton.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"

#include <QKeyEvent>
#include <QStyleOptionButton>

namespace ui {

OptionButton *OptionButton::create(BuildContext &context, const ControlDesign &row)
{
    auto *o = new OptionButton(context.parentFor(row));
    o->applyDesign(row, context);
    o->setText(row.shownCaption());
    o->describeCaption(row.shownCaption());
    o->fitCaption(row.sourceCaption());
    if (row.isChecked) {
        const QSignalBlocker block(o);
        o->setChecked(true);
    }
    return o;
}

bool OptionButton::captionFits(const QString &) const
{
    if (text().isEmpty())
        return true;
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    return fontMetrics().horizontalAdvance(text()) <= area.width();
}

OptionButton::OptionButton(QWidget *parent)
    : QRadioButton(parent)
    , ControlBase(this)
{
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit Click();
    });
    followInputKind();
}

void OptionButton::keyReleaseEvent(QKeyEvent *e)
{
    const bool again = e->key() == Qt::Key_Space && !e->isAutoRepeat() && isDown() && isChecked();
    QRadioButton::keyReleaseEvent(e);
    if (again && isChecked())
        emit Reselected();
}

void OptionButton::setValue(bool selected)
{
    if (selected) {
        setChecked(true);
        return;
    }
    // An exclusive group never lets its checked button go; lift the exclusivity for a moment.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

} // namespace ui
