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

// The run's display scale: how many device-independent pixels each pixel of the designs takes.
// It is set once, before the first window is built; 1 draws the designs as they stand.
double displayScale();
void setDisplayScale(double scale);
// A length the designs give in pixels (a pen, a margin, an icon) at the display scale; a
// length of at least one pixel stays at least one.
int scaledPixels(double designPixels);

// Twips to device-independent pixels and back, at the display scale.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);
// Screen pixels per twip at the display scale.
double pixelsPerTwip();
QRect twipsRect(double left, double top, double width, double height);

// &H00BBGGRR& as written in the tables, e.g. 0x0000FFFF is yellow.
QColor vbColor(quint32 bgr);

} // namespace ui
