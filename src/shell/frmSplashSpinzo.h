#pragma once
#include "shell/SplashWindow.h"
#include "ui/Picture.h"

// The spinner game's splash: the logo frame with the spinning picture and "Game" is shown at
// once and leads on to the spinner game.
class frmSplashSpinzo : public SplashWindow {
    Q_OBJECT
public:
    frmSplashSpinzo();

    UI_OLD_CONTROL(ui::Image, imgLogo)

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void Form_Activate() override;
    void showGameWindow() override;
};
