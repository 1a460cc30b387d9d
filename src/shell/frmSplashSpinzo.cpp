// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmSplashSpinzo.h"

#include "spinner/frmSpinzo.h"

using namespace ui;

frmSplashSpinzo::frmSplashSpinzo()
    : SplashControls(QStringLiteral("frmSplashSpinzo"), spinnerCycle)
{
}

FormDesign frmSplashSpinzo::formDesign() const
{
    return splashDesign(6960);
}

void frmSplashSpinzo::Form_Activate()
{
    showGameButton();
    holdTicks = 0;
}

void frmSplashSpinzo::showGameWindow()
{
    form<frmSpinzo>().show();
}
