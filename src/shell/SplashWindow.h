#pragma once
#include "shell/SplashRules.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"

class GlidePacer;

// What both game splash windows share: the logo frame with its "Game" button and labels, the
// colour cycle that "Game" starts, and the two exits: a click on the logo frame returns to the
// launcher, the end of the colour cycle glides the window off the screen and opens the game.
// Exactly one exit ever wins: once the glide has begun, the logo frame no longer acts.
class SplashWindow : public ui::Form {
    Q_OBJECT
public:
    UI_OLD_CONTROL(ui::Timer, tmrBackColorHold)
    UI_OLD_CONTROL(ui::Frame, fraLogo)
    UI_OLD_CONTROL(ui::Button, cmdGame)
    UI_OLD_CONTROL(ui::Label, lblCompanyProduct)
    UI_OLD_CONTROL(ui::Label, lblProductName)
    UI_OLD_CONTROL(ui::Label, lblVersion)

    void cmdGame_Click();
    void fraLogo_Click();
    void tmrBackColorHold_Timer();

    bool isGliding() const { return m_gliding; }

    // The pace of every splash window's glide; nullptr restores the clock.
    static void setGlidePacer(GlidePacer *pacer);

protected:
    SplashWindow(const QString &name, ColourCycle cycle);

    // The window properties both splash windows share; only the client height differs.
    static ui::FormDesign splashSpec(double clientHeight);
    // Rows of the logo frame's controls, which look alike on both windows.
    static ui::ControlDesign logoFrame(double left, double top, double width, double height);
    static ui::ControlDesign gameButton(double left, double top);
    static ui::ControlDesign companyLabel(double left, double top);
    static ui::ControlDesign productLabel(const QString &caption, double left, double top, double width);
    static ui::ControlDesign versionLabel(double left, double top);

    void wire() override;
    virtual void showGameWindow() = 0;

    std::int16_t holdTicks = 0;
    std::int16_t colorStep = 0;

private:
    bool exitGlide();

    ColourCycle m_cycle;
    bool m_gliding = false;
};
