// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMessageBox>
#include <QPixmap>

class QInputDialog;

// Message and input boxes drawn at the display scale, like the windows they belong to. The
// toolkit sizes its boxes for a desktop at its own size: it caps the text near 400 to 500
// pixels whatever the font, draws its 32-pixel sign bitmaps and 80-pixel buttons, and puts
// coloured discs on Yes, No and OK. Here the text keeps the width it has at scale 1 times the
// scale, the sign is drawn from the program's own vector source at the size shown, and the
// buttons are plain ones of the design size times the scale.
namespace ui {

// The sign of a box of the given kind (none for NoIcon), drawn at the display scale for a
// screen of `ratio` device pixels per pixel.
QPixmap messageSign(QMessageBox::Icon kind, qreal ratio);

// Call with the box's text, kind of sign and buttons set, before it is shown. The program's own
// sign replaces the style's bitmap of the same kind (the box keeps reporting that kind).
void fitMessageBoxToScale(QMessageBox &box);

// Call with the prompt set, before the box is shown. The prompt stays at least `titleWidth`
// wide, so that the title bar shows the title whole.
void fitInputBoxToScale(QInputDialog &dialog, int titleWidth);

} // namespace ui
