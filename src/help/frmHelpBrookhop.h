// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "help/HelpWindow.h"

// The board game's help window, opened modeless from the board's Help, Contents.
class frmHelpBrookhop : public HelpWindow {
    Q_OBJECT
public:
    frmHelpBrookhop()
        : HelpWindow(QStringLiteral("frmHelpBrookhop"), help::brookhopTopics())
    {
    }
};
