// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "help/HelpWindow.h"

// The spinner game's help window, opened modeless from the game's Help, Contents.
class frmHelpSpinzo : public HelpWindow {
    Q_OBJECT
public:
    frmHelpSpinzo()
        : HelpWindow(QStringLiteral("frmHelpSpinzo"), help::spinzoTopics())
    {
    }
};
