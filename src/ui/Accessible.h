// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QWidget;

// What the window layer tells assistive technology about its controls.
namespace ui {

// A caption as it is read out: without the mnemonic marker ("&User Name" is "User Name",
// "&&" stands for one "&") and with its line breaks as blanks.
QString plainCaption(const QString &caption);

// Makes a window a dialog to assistive technology, which reads its instructions as it opens;
// before the window is first shown.
void presentAsDialog(QWidget *window, const QString &instructions);

// Gives the layer's own widgets (images, picture boxes, lines) their accessible roles; runs
// once, before the first window is built.
void installAccessibility();

} // namespace ui
