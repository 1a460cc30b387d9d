// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Colours.h"
#include <QColor>
#include <QPen>
#include <QRect>
#include <QSizeF>

class QFont;
class QPainter;

// The one place where the designs' units become the screen's: positions and sizes in twips
// (1440 to the inch), lengths the designs give in pixels (pens, margins, icons), font sizes in
// points and the sizes pictures are drawn at, all at the run's display scale; and colours
// written as &H00BBGGRR&. Nothing else in the program multiplies by the scale.
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
// A font size the designs give in points, at the display scale.
double scaledPoints(double points);
// A font as the designs give it (family, points, bold, italic) at the display scale, on top of
// `base`; the family falls back to metric-compatible faces that Debian ships.
QFont scaledFont(QFont base, const QString &family, double points, bool bold, bool italic);

// Twips to device-independent pixels and back, at the display scale.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);
// Screen pixels per twip at the display scale.
double pixelsPerTwip();
// A rectangle in twips: each edge rounded on its own, so that controls whose edges meet in the
// design meet on the screen, without a gap or an overlap.
QRect twipsRect(double left, double top, double width, double height);
// A length in twips as the design measures it, at scale 1, in device-independent pixels.
double designPixelsOf(double twips);

// One pixel of the design at (x, y) twips: a square that starts where that pixel starts and is
// as wide as a design pixel at the display scale.
QRect designPixelRect(double x, double y);

// The size, in pixels, of a picture `designPixels` large (its size at scale 1) shown from the
// twips position (left, top): rounded exactly as a control of that size there would be, so a
// picture the size of its control fills it to the pixel.
QSize pictureSizeAt(double left, double top, QSizeF designPixels);

// A pen the designs give `designPixels` wide, at the display scale, with square ends that meet
// in corners.
QPen designPen(const QColor &color, double designPixels = 1, Qt::PenStyle style = Qt::SolidLine);
// An outline just inside r, as wide as the pen, drawn on all four sides.
void drawOutline(QPainter &p, const QRect &r, const QPen &pen);

// &H00BBGGRR& as written in the tables, e.g. 0x0000FFFF is yellow.
QColor vbColor(quint32 bgr);

} // namespace ui
