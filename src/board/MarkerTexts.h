// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

// A marker's name or tool tip from its table, in the language of the run: both windows that
// show them (the board and the player options) read them from the one context "MarkerKind".
inline QString markerText(const char *text)
{
    return QCoreApplication::translate("MarkerKind", text);
}
