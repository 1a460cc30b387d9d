// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Button.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

Button *Button::create(BuildContext &context, const ControlDesign &row)
{
    auto *b = new Button(context.parentFor(row));
    if (row.isDefault)
        context.setDefaultButton(b);
    if (row.isCancel)
        context.setCancelButton(b);
    b->applyDesign(row, context);
    b->setCaption(row.shownCaption());
    b->fitCaption(row.sourceCaption());
    return b;
}

Button::Button(QWidget *parent)
    : QPushButton(parent)
    , ControlBase(this)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &Button::Click);
    followInputKind();
}

QRect Button::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

bool Button::captionWraps() const
{
    return fontMetrics().horizontalAdvance(text()) > captionRect().width();
}

bool Button::captionFits(const QString &source) const
{
    if (text().isEmpty())
        return true;
    const QRect area = captionRect();
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    bool tooWide = false;
    const int lines = linesNeeded(font(), area, flags, text(), &tooWide);
    int room = std::max(1, area.height() / fontMetrics().lineSpacing());
    if (!source.isEmpty())
        room = std::max(room, linesNeeded(font(), area, flags, source, nullptr));
    return !tooWide && lines <= room;
}

void Button::paintColouredFace(QPainter &p) const
{
    // The style shades a face into a gradient of its colour; a coloured button shows its colour
    // as given, inside a plain bevel that sinks while the button is down.
    const QRect r = rect();
    const int b = scaledPixels(1);
    p.fillRect(r, palette().color(QPalette::Button));
    const QRect inner = r.adjusted(b, b, -b, -b);
    const bool sunken = isDown() || isChecked();
    const QColor lit = palette().color(sunken ? QPalette::Dark : QPalette::Light);
    p.fillRect(QRect(inner.left(), inner.top(), inner.width(), b), lit);
    p.fillRect(QRect(inner.left(), inner.top(), b, inner.height()), lit);
    if (!sunken) {
        const QColor dark = palette().color(QPalette::Dark);
        p.fillRect(QRect(inner.left(), inner.bottom() - b + 1, inner.width(), b), dark);
        p.fillRect(QRect(inner.right() - b + 1, inner.top(), b, inner.height()), dark);
    }
    drawOutline(p, r, QPen(palette().color(QPalette::Shadow), b, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (showsKeyboardFocus(this)) {
        const int in = scaledPixels(3);
        drawOutline(p, r.adjusted(in, in, -in, -in), QPen(palette().color(QPalette::ButtonText), b, Qt::DotLine));
    }
}

void Button::paintEvent(QPaintEvent *e)
{
    const bool coloured = property("ui_backColor").isValid();
    const bool wraps = captionWraps();
    if (!coloured && !wraps) {
        QPushButton::paintEvent(e);
        return;
    }
    // The face without its caption, then the caption centred (and word-wrapped when too wide).
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    if (coloured) {
        paintColouredFace(painter);
    } else {
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
    }
    QRect area = captionRect();
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0);
    painter.drawItemText(area, flags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

} // namespace ui
