// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Label.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace ui {

namespace {

Qt::Alignment alignmentOf(Align a)
{
    switch (a) {
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

Label *Label::create(BuildContext &context, const ControlDesign &row)
{
    auto *l = new Label(context.parentFor(row));
    l->setAlignment(alignmentOf(row.alignment));
    l->setTransparent(!row.backColor);
    if (row.autoSizeToText)
        l->setAutoSize(true);
    l->setLink(row.isLink);
    l->applyDesign(row, context);
    l->setCaption(row.shownCaption()); // after the font, so an auto-sized label fits its text
    l->fitCaption(row.sourceCaption());
    return l;
}

Label::Label(QWidget *parent)
    : QLabel(parent)
    , ControlBase(this)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    // CR LF (and a lone CR or LF) breaks the line.
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
    describeCaption(caption);
    fitCaption();
    if (m_autoSize)
        fitToText();
}

bool Label::captionFits(const QString &source) const
{
    if (text().isEmpty())
        return true;
    if (m_autoSize) {
        // Grows with its text: it fits while it stays inside what holds it.
        const QSize need = sizeHint();
        return !parentWidget() || parentWidget()->rect().contains(QRect(pos(), need));
    }
    const QRect area = contentsRect();
    const int flags = int(alignment());
    bool tooWide = false;
    const int lines = linesNeeded(font(), area, flags, text(), &tooWide);
    int room = std::max(1, area.height() / QFontMetrics(font()).lineSpacing());
    if (!source.isEmpty())
        room = std::max(room,
            linesNeeded(
                font(), area, flags, QString(source).replace(QLatin1String("\r\n"), QLatin1String("\n")), nullptr));
    return !tooWide && lines <= room;
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    setWordWrap(!autoSize);
    if (autoSize)
        fitToText();
}

void Label::setTransparent(bool transparent)
{
    setAutoFillBackground(!transparent);
    setAttribute(Qt::WA_TranslucentBackground, transparent);
}

void Label::setLink(bool link)
{
    setFocusPolicy(link ? Qt::StrongFocus : Qt::NoFocus);
    if (link)
        followInputKind();
}

void Label::keyPressEvent(QKeyEvent *e)
{
    const bool press = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (focusPolicy() != Qt::NoFocus && press && e->modifiers() == Qt::NoModifier) {
        emit Click();
        return;
    }
    QLabel::keyPressEvent(e);
}

void Label::paintEvent(QPaintEvent *e)
{
    QLabel::paintEvent(e);
    if (!showsKeyboardFocus(this))
        return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

void Label::fitToText()
{
    const QSize hint = sizeHint();
    // Keep Left and Top; the size follows the text.
    const QRect g = geometry();
    setGeometry(g.x(), g.y(), hint.width(), hint.height());
}

void Label::mousePressEvent(QMouseEvent *e)
{
    m_pressed = true;
    QLabel::mousePressEvent(e);
}

void Label::mouseReleaseEvent(QMouseEvent *e)
{
    const bool inside = rect().contains(e->position().toPoint());
    const bool wasPressed = std::exchange(m_pressed, false);
    int button = 0;
    if (e->button() == Qt::LeftButton)
        button = 1;
    else if (e->button() == Qt::RightButton)
        button = 2;
    else if (e->button() == Qt::MiddleButton)
        button = 4;
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (e->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (e->modifiers() & Qt::AltModifier)
        shift |= 4;
    emit MouseUp(button, shift, pixelsToTwips(e->position().toPoint().x()), pixelsToTwips(e->position().toPoint().y()));
    if (wasPressed && inside && e->button() == Qt::LeftButton)
        emit Click();
}

} // namespace ui
