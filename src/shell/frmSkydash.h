// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/RocketRace.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Timer.h"
#include "ui/Vocabulary.h"

// The launcher: a black, star-dotted window greeting the user, where two rockets race to reveal
// a game button, and from whose "Games" menu either game opens at any time. It keeps no
// variables: what it shows is held in its controls.
class frmSkydash : public ui::Form {
    Q_OBJECT
public:
    frmSkydash();

private:
    // The launcher's buttons: yellow, with a bold caption.
    static ui::Row<ui::Button> yellowButton() { return button().back(yellow).font(arial(9.75).bold()); }
    static ui::Row<ui::Image> rocket() { return image().picture(":/icons/rocket32.png"); }
    // "WELCOME to PLAYHAVEN", one big red letter (and the small "to") a label.
    static ui::Rows<ui::Label> welcomeLetters();

public:
    // clang-format off
    UI_CONTROL(fraLaunchPad, frame().caption("Launch Pad").at(4920, 6720, 2055, 1575).back(black).fore(red).font(arial(9.75).bold()));
    UI_CONTROL(cmdStart, yellowButton().in(fraLaunchPad).caption("Start Race").at(120, 360, 1815, 375));
    UI_CONTROL(cmdExit, yellowButton().in(fraLaunchPad).caption("Exit").at(120, 960, 1815, 375));
    UI_CONTROL(cmdBrookhop, yellowButton().caption("Brookhop").at(3720, 480, 1215, 855).hidden());
    UI_CONTROL(cmdSpinzo, yellowButton().caption("Spinzo").at(6960, 480, 1215, 855).hidden());
    UI_CONTROL(tmrSkydash, timer().interval(30).disabled());
    UI_CONTROL(imgRocket1, rocket().at(4080, 7680, 480, 480).accessibleName("Left rocket"));
    UI_CONTROL(imgRocket2, rocket().at(7320, 7680, 480, 480).accessibleName("Right rocket"));
    UI_CONTROL(mnuGames, topMenu("Games"));
    UI_CONTROL(mnuBrookhop, menuItem("Brookhop").in(mnuGames));
    UI_CONTROL(mnuSpinzo, menuItem("Spinzo").in(mnuGames));
    UI_CONTROL(mnuExit, menuItem("Exit"));
    UI_CONTROL(lblName, welcomeLetters());
    // clang-format on

    void cmdStart_Click();
    void tmrSkydash_Timer();
    void cmdBrookhop_Click();
    void cmdSpinzo_Click();
    void mnuBrookhop_Click();
    void mnuSpinzo_Click();
    void cmdExit_Click();
    void mnuExit_Click();

protected:
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void hideGameButtons();
    void sayWinner(RaceOutcome outcome);
    bool raceByKeys = false;
    void openGame(ui::Form &splash);
    void shutdownSweep();
};
