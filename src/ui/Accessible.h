// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPixmap>
#include <QString>

// What the window layer tells assistive technology about its controls, and the pictures it loads
// at the screen's pixel density.
namespace ui {

// A caption as it is read out: without the mnemonic marker ("&User Name" is "User Name",
// "&&" stands for one "&") and with its line breaks as blanks.
QString plainCaption(const QString &caption);

// Gives the layer's own widgets (images, picture boxes, lines) their accessible roles; runs
// once, before the first window is built.
void installAccessibility();

// A picture from its resource path; on a screen with more than one device pixel per logical
// pixel its double-density variant ("name@2x.png") when there is one, so it stays sharp.
// `ratio` 0 means the application's device pixel ratio.
QPixmap sharpPixmap(const QString &path, qreal ratio = 0);

} // namespace ui
