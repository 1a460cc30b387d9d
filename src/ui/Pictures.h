// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the designs, drawn sharp at the display scale and the screen's pixel density.
// Each bitmap of the resources (":/icons/bicycle32.png", ":/pictures/spinner.gif") keeps the
// size it has at scale 1; where the designs are drawn larger or smaller, the picture is drawn
// afresh from its vector source (":/vector/bicycle.svg") at exactly the pixels needed, so no
// small bitmap is ever stretched.
namespace ui {

// A picture from its resource path at scale 1; on a screen with more than one device pixel per
// logical pixel its double-density variant ("name@2x.png") when there is one, so it stays sharp.
// `ratio` 0 means the application's device pixel ratio.
QPixmap sharpPixmap(const QString &path, qreal ratio = 0);

// The vector source drawn like the picture at `path` (frame `frame` of an animation), or an
// empty string where it has none.
QString vectorSourceOf(const QString &path, int frame = 0);

// The picture at `path` drawn to fill `size` (device-independent pixels), frame `frame` of an
// animation: the bitmap itself where it has exactly that size at the screen's pixel density,
// otherwise drawn afresh from its vector source, otherwise (a picture without one, none of the
// program's own) its bitmap resampled smoothly. Drawings are kept, so each size of a picture
// is drawn once.
QPixmap pictureAt(const QString &path, QSize size, int frame = 0);

// The vector drawing at `source` (":/vector/message-question.svg") drawn to fill `size`
// (device-independent pixels) at `ratio` device pixels to each; null where it cannot be read.
QPixmap vectorDrawing(const QString &source, QSize size, qreal ratio);

// The picture at `path` at the display scale: its scale-1 size times the scale.
QPixmap scaledPicture(const QString &path);

} // namespace ui
