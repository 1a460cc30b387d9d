// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Frame.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

Frame *Frame::create(BuildContext &context, const ControlDesign &row)
{
    auto *f = new Frame(context.parentFor(row));
    f->applyDesign(row, context);
    // The caption is drawn in the windows' own face and size where the row gives no font (what
    // lies in the frame keeps the font it would have had).
    const FontDesign caption = row.fontSpec.value_or(sansSerif(8.25));
    f->m_captionFont = scaledFont(f->font(), caption.family, caption.points, caption.isBold, caption.isItalic);
    f->setTitle(row.shownCaption());
    f->describeCaption(row.shownCaption());
    f->fitCaption(row.sourceCaption());
    return f;
}

Frame::Frame(QWidget *parent)
    : QGroupBox(parent)
    , ControlBase(this)
{
}

bool Frame::captionFits(const QString &) const
{
    // The caption stands on the top border, one average character in, with a gap either side.
    const QFontMetrics fm(m_captionFont);
    const int gap = scaledPixels(2);
    return 2 * fm.averageCharWidth() + 2 * gap + fm.horizontalAdvance(title()) <= width();
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFontMetrics fm(m_captionFont);
    const int captionHeight = title().isEmpty() ? 0 : fm.height();
    const int top = captionHeight / 2;
    // An etched border: a dark line with a light one just below and right of it, each a whole
    // rectangle, so that on a light back colour the dark one still shows on all four sides.
    const int b = scaledPixels(1);
    const QRect border = rect().adjusted(0, top, 0, 0);
    drawOutline(p, border.adjusted(b, b, 0, 0), designPen(palette().color(QPalette::Light)));
    drawOutline(p, border.adjusted(0, 0, -b, -b), designPen(palette().color(QPalette::Dark)));
    if (!title().isEmpty()) {
        const int gap = scaledPixels(2);
        const int x = fm.averageCharWidth();
        const int w = fm.horizontalAdvance(title()) + 2 * gap;
        p.fillRect(QRect(x, 0, w, captionHeight), palette().color(QPalette::Window));
        p.setFont(m_captionFont);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(QRect(x + gap, 0, w, captionHeight), Qt::AlignLeft | Qt::AlignVCenter, title());
    }
}

void Frame::mousePressEvent(QMouseEvent *e)
{
    // A group box ignores presses, which would hand the release (and so the click) to the
    // window behind it; a frame takes clicks.
    m_pressed = e->button() == Qt::LeftButton;
    e->accept();
}

void Frame::mouseReleaseEvent(QMouseEvent *e)
{
    const bool wasPressed = std::exchange(m_pressed, false);
    e->accept();
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Click();
}

} // namespace ui
