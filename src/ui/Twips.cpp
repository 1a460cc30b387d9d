// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui {

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips * logicalDpi() / 1440.0));
}

double pixelsToTwips(int pixels)
{
    return pixels * 1440.0 / logicalDpi();
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
