#pragma once
#include "shell/SplashWindow.h"
#include "ui/Picture.h"

// The board game's splash: "On Your Mark!" and "Get Set!" slide across, the big "GO!" button
// waits, then the logo frame with the three markers and "Game" leads on to the board.
class frmSplashBrookhop : public SplashWindow {
    Q_OBJECT
public:
    frmSplashBrookhop();

    UI_OLD_CONTROL(ui::Timer, tmrGo)
    UI_OLD_CONTROL(ui::Button, cmdGo)
    UI_OLD_CONTROL(ui::Label, lblOn)
    UI_OLD_CONTROL(ui::Label, lblGetSet)
    UI_OLD_CONTROL_ARRAY(ui::Image, imgBicycle)
    UI_OLD_CONTROL_ARRAY(ui::Image, imgCars)
    UI_OLD_CONTROL_ARRAY(ui::Image, imgPlane)

    void tmrGo_Timer();
    void cmdGo_Click();

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Activate() override;
    void showGameWindow() override;
};
