// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Twips.h"

#include <QGuiApplication>
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

QColor vbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace ui
