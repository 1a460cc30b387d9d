// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Line.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ui {

Line *Line::create(BuildContext &context, const ControlDesign &row)
{
    auto *l = new Line(context.parentFor(row));
    l->applyDesign(row, context);
    l->setEnds(row.left, row.top, row.width, row.height);
    if (row.foreColor)
        l->setColor(*row.foreColor);
    l->lower();
    return l;
}

Line::Line(QWidget *parent)
    : QWidget(parent)
    , ControlBase(this)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Line::setEnds(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    const double pad = pixelsToTwips(scaledPixels(2) + scaledPixels(lineWidth));
    Move(std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::abs(x2 - x1) + 2 * pad, std::abs(y2 - y1) + 2 * pad);
    update();
}

void Line::setColor(quint32 bgr)
{
    m_color = vbColor(bgr);
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPoint origin = geometry().topLeft();
    const QPoint a(twipsToPixels(m_x1) - origin.x(), twipsToPixels(m_y1) - origin.y());
    const QPoint b(twipsToPixels(m_x2) - origin.x(), twipsToPixels(m_y2) - origin.y());
    if (a.x() == b.x() || a.y() == b.y()) {
        // Filled whole pixels: a smoothed pen on a pixel boundary would smear the line over two
        // rows in a darker shade of its colour.
        const QPoint from(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
        const int w = scaledPixels(lineWidth);
        const QPoint to(std::max(a.x(), b.x()) + w - 1, std::max(a.y(), b.y()) + w - 1);
        p.fillRect(QRect(from, to), m_color);
        return;
    }
    // A slanted line is smoothed, through the pixel centres so that its ends sit where an
    // upright line from the same point would start.
    p.setRenderHint(QPainter::Antialiasing);
    const int w = scaledPixels(lineWidth);
    p.setPen(QPen(m_color, w, Qt::SolidLine, Qt::FlatCap));
    const QPointF centre(w / 2.0, w / 2.0);
    p.drawLine(QPointF(a) + centre, QPointF(b) + centre);
}

} // namespace ui
