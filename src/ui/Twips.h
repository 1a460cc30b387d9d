// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Colours.h"
#include <QColor>
#include <QRect>
#include <cstdint>

// Geometry is written in twips (1440 to the inch) and colours as &H00BBGGRR&, as the window
// tables give them; these helpers are the one place that turns them into pixels and QColors.
namespace ui {

// Logical dots per inch of the primary screen (device-independent pixels, so HiDPI scaling
// by Qt applies on top of this).
double logicalDpi();
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);
QRect twipsRect(double left, double top, double width, double height);

// &H00BBGGRR& as written in the tables, e.g. 0x0000FFFF is yellow.
QColor vbColor(quint32 bgr);

} // namespace ui
