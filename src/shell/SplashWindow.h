// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/SplashRules.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Timer.h"
#include "ui/Vocabulary.h"

class GlidePacer;

// What both game splash windows share: the logo frame with its "Game" button and labels, the
// colour cycle that "Game" starts, and the two exits: a click on the logo frame returns to the
// launcher, the end of the colour cycle glides the window off the screen and opens the game.
// Exactly one exit ever wins: once the glide has begun, the logo frame no longer acts.
//
// Each window declares all of its controls itself (SplashControls below reaches the shared
// ones): the two windows lay the shared controls out in different orders among their own, and
// that order is their z-order and their order of children.
class SplashWindow : public ui::Form {
    Q_OBJECT
public:
    void fraLogo_Click();

    bool isGliding() const { return m_gliding; }

    // The pace of every splash window's glide; nullptr restores the clock.
    static void setGlidePacer(GlidePacer *pacer);

protected:
    SplashWindow(const QString &name, ColourCycle cycle);

    // The window properties both splash windows share; only the client height differs.
    static ui::FormDesign splashDesign(double clientHeight);
    // Rows of the controls that look alike on both windows; the logo frame's controls are put
    // in it by each window.
    static ui::Row<ui::Timer> colourHoldTimer() { return timer().interval(500).disabled(); }
    static ui::Row<ui::Frame> logoFrame(double left, double top, double width, double height);
    static ui::Row<ui::Button> gameButton(double left, double top);
    static ui::Row<ui::Label> companyLabel(double left, double top);
    static ui::Row<ui::Label> productLabel(const QString &caption, double left, double top, double width);
    static ui::Row<ui::Label> versionLabel(double left, double top);

    // Shows the cycle's next colour; false once the cycle is over.
    bool showNextColour();
    // Glides off the screen, then gives way to the game, unless the program ended or the window
    // was unloaded meanwhile.
    void glideToTheGame();
    virtual void showGameWindow() = 0;

    std::int16_t holdTicks = 0;
    std::int16_t colorStep = 0;

private:
    // The labels of the logo frame take the size of their text.
    static ui::Row<ui::Label> logoLabel(const QString &caption, quint32 back, const ui::FontDesign &font);
    bool exitGlide();

    ColourCycle m_cycle;
    bool m_gliding = false;
};

// The handlers of the shared controls, which Window declares: tmrBackColorHold, fraLogo and
// cmdGame.
template <class Window> class SplashControls : public SplashWindow {
public:
    void cmdGame_Click()
    {
        window().cmdGame()->hide();
        window().tmrBackColorHold()->setEnabled(true);
    }

    void tmrBackColorHold_Timer()
    {
        if (showNextColour())
            return;
        window().tmrBackColorHold()->setEnabled(false);
        glideToTheGame();
    }

protected:
    using SplashWindow::SplashWindow;

    // "Game" appears with the focus, so that Enter or Space presses it, as a click does.
    void showGameButton()
    {
        window().cmdGame()->show();
        window().cmdGame()->setFocus();
    }

    void wire() override
    {
        // The window has no title bar; to a screen reader it is named after its game.
        ui::Form::view()->setAccessibleName(window().lblProductName()->Caption());
        handle(window().cmdGame(), &ui::Button::Click, [this] { cmdGame_Click(); });
        handle(window().fraLogo(), &ui::Frame::Click, [this] { fraLogo_Click(); });
        handle(window().tmrBackColorHold(), &ui::Timer::Tick, [this] { tmrBackColorHold_Timer(); });
    }

private:
    Window &window() { return static_cast<Window &>(*this); }
};
