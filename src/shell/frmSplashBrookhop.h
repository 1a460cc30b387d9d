// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/SplashWindow.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

// The board game's splash: "On Your Mark!" and "Get Set!" slide across, the big "GO!" button
// waits, then the logo frame with the three markers and "Game" leads on to the board.
class frmSplashBrookhop : public SplashControls<frmSplashBrookhop> {
    Q_OBJECT
public:
    frmSplashBrookhop();

private:
    // "On Your Mark!" and "Get Set!": red on blue, both crossing the window at the same height.
    static ui::Row<ui::Label> slidingLabel(const QString &caption, double width);
    // One of the board's three markers on the logo, a picture that can be dragged: element 0
    // of its array, named for assistive technology.
    static ui::Rows<ui::Image> marker(
        const ui::ControlSlot &logo, const QString &tag, const char *name, const QString &icon, double left);

public:
    // clang-format off
    UI_CONTROL(tmrGo, timer().interval(50).disabled());
    UI_CONTROL(tmrBackColorHold, colourHoldTimer());
    UI_CONTROL(cmdGo, button().caption("GO!").at(3960, 2520, 2175, 2025).back(white).font(arial(50.25).bold()).hidden());
    UI_CONTROL(lblOn, slidingLabel("On Your Mark!", 6975));
    UI_CONTROL(lblGetSet, slidingLabel("Get Set!", 3855));
    UI_CONTROL(fraLogo, logoFrame(1200, 1080, 7800, 4770).hidden());
    UI_CONTROL(cmdGame, gameButton(6240, 4080).in(fraLogo));
    UI_CONTROL(imgBicycle, marker(fraLogo, "BICYCLE", QT_TR_NOOP("Bicycle picture"), ":/icons/bicycle32.png", 120));
    UI_CONTROL(imgCars, marker(fraLogo, "CARS", QT_TR_NOOP("Cars picture"), ":/icons/cars32.png", 3240));
    UI_CONTROL(imgPlane, marker(fraLogo, "PLANE", QT_TR_NOOP("Plane picture"), ":/icons/plane32.png", 6600));
    UI_CONTROL(lblCompanyProduct, companyLabel(2640, 1800).in(fraLogo));
    UI_CONTROL(lblProductName, productLabel("Brookhop", 1320, 2160, 5070).in(fraLogo));
    UI_CONTROL(lblVersion, versionLabel(240, 4320).in(fraLogo));
    // clang-format on

    void tmrGo_Timer();
    void cmdGo_Click();

protected:
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Activate() override;
    void showGameWindow() override;
};
