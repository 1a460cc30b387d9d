// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/SplashWindow.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

// The spinner game's splash: the logo frame with the spinning picture and "Game" is shown at
// once and leads on to the spinner game.
class frmSplashSpinzo : public SplashControls<frmSplashSpinzo> {
    Q_OBJECT
public:
    frmSplashSpinzo();

    // clang-format off
    UI_CONTROL(tmrBackColorHold, colourHoldTimer());
    UI_CONTROL(fraLogo, logoFrame(1560, 1320, 7080, 4050));
    UI_CONTROL(cmdGame, gameButton(5640, 3360).in(fraLogo));
    UI_CONTROL(imgLogo, image().in(fraLogo).picture(":/pictures/spinner.gif").at(360, 795, 1815, 2385).stretch().accessibleName("Spinner picture"));
    UI_CONTROL(lblVersion, versionLabel(210, 3720).in(fraLogo));
    UI_CONTROL(lblProductName, productLabel("Spinzo", 2520, 1140, 3930).in(fraLogo));
    UI_CONTROL(lblCompanyProduct, companyLabel(3360, 720).in(fraLogo));
    // clang-format on

protected:
    ui::FormDesign formDesign() const override;
    void Form_Activate() override;
    void showGameWindow() override;
};
