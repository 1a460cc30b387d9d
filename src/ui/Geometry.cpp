// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Geometry.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace ui {

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

namespace {
double g_displayScale = 1.0;
} // namespace

double displayScale()
{
    return g_displayScale;
}

void setDisplayScale(double scale)
{
    g_displayScale = scale > 0 && std::isfinite(scale) ? scale : 1.0;
}

int scaledPixels(double designPixels)
{
    const int n = int(std::lround(designPixels * g_displayScale));
    return designPixels >= 1 ? std::max(n, 1) : n;
}

double scaledPoints(double points)
{
    return points * g_displayScale;
}

QFont scaledFont(QFont base, const QString &family, double points, bool bold, bool italic)
{
    if (!family.isEmpty())
        base.setFamilies({ family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    if (points > 0)
        base.setPointSizeF(scaledPoints(points));
    base.setBold(bold);
    base.setItalic(italic);
    return base;
}

double pixelsPerTwip()
{
    return logicalDpi() / 1440.0 * g_displayScale;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips * pixelsPerTwip()));
}

double pixelsToTwips(int pixels)
{
    return pixels / pixelsPerTwip();
}

QRect twipsRect(double left, double top, double width, double height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    // Size from the far edge, so adjacent controls meet without gaps from rounding.
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

double designPixelsOf(double twips)
{
    return twips * logicalDpi() / 1440.0;
}

QRect designPixelRect(double x, double y)
{
    const double k = pixelsPerTwip();
    const int side = scaledPixels(1);
    return { int(std::floor(x * k)), int(std::floor(y * k)), side, side };
}

QSize pictureSizeAt(double left, double top, QSizeF designPixels)
{
    const double twipsPerDesignPixel = 1440.0 / logicalDpi();
    return twipsRect(left, top, designPixels.width() * twipsPerDesignPixel, designPixels.height() * twipsPerDesignPixel)
        .size();
}

QPen designPen(const QColor &color, double designPixels, Qt::PenStyle style)
{
    return QPen(color, scaledPixels(designPixels), style, Qt::SquareCap, Qt::MiterJoin);
}

void drawOutline(QPainter &p, const QRect &r, const QPen &pen)
{
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal w = std::max<qreal>(1, pen.widthF());
    if (w == 1) {
        p.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    const qreal half = w / 2;
    p.drawRect(QRectF(r).adjusted(half, half, -half, -half));
}

QColor vbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace ui
