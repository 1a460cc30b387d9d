// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <QAction>
#include <array>
#include <cstdint>

// The spinner game: each spin fills three squares with random digits, a 7 among them wins.
// The window counts attempts and wins, shows the percentage of wins and keeps the best
// percentage of the run. Its public variables are the game state that the limits dialog
// writes and the high-score window reads; they live as long as the program.
class frmSpinzo : public ui::Form {
    Q_OBJECT
public:
    frmSpinzo();

    bool blnOpenLimits = false;
    std::int16_t intMaxSpins = 0;
    std::int16_t Wins = 0;
    std::int16_t Spins = 0;
    float sngHighScore = 0.0f;

private:
    // The blue-on-yellow labels of the score board.
    static ui::Row<ui::Label> scoreLabel() { return label().back(yellow).fore(blue).centred(); }

public:
    // clang-format off
    UI_CONTROL(cmdSetOwnLimits, button().caption("Set Own Limits").at(120, 120, 2055, 495).back(yellow).font(arial(9.75).bold()).tabIndex(9));
    UI_CONTROL(cmdEnd, button().caption("End").at(120, 720, 975, 615).back(yellow).font(arial(9.75).bold()).tabIndex(1));
    UI_CONTROL(cmdSpin, button().caption("Spin").at(1200, 720, 975, 615).back(yellow).font(arial(9.75).bold()).tabIndex(0));
    UI_CONTROL(lblSpinzoNumber1, scoreLabel().at(2280, 120, 1215, 1215).font(arial(48.75).bold()).accessibleName("First number"));
    UI_CONTROL(lblSpinzoNumber2, scoreLabel().at(3840, 120, 1215, 1215).font(arial(50.25).bold()).accessibleName("Second number"));
    UI_CONTROL(lblSpinzoNumber3, scoreLabel().at(5400, 120, 1215, 1215).font(arial(50.25).bold()).accessibleName("Third number"));
    UI_CONTROL(lblName, scoreLabel().caption("Spinzo").at(120, 1440, 3015, 495).font(arial(24).bold()));
    UI_CONTROL(lblAttempts, scoreLabel().at(3360, 1440, 855, 495).font(arial(24.75).bold()).accessibleName("Attempts"));
    UI_CONTROL(lblWins, scoreLabel().caption("Wins:0").at(4440, 1440, 1095, 495).font(arial(12).bold().italic()));
    UI_CONTROL(lblRate, scoreLabel().caption("0.0%").at(5760, 1440, 1095, 495).font(arial(12).bold().italic()));
    UI_CONTROL(imgBigFeet, image().picture(":/pictures/bigfoot.png").stretch().at(120, 2040, 6690, 3420).accessibleName("Big Foot picture"));
    UI_CONTROL(mnuOptions, topMenu("Options"));
    UI_CONTROL(mnuSetOwnLimits, menuItem("Set Own Limits").in(mnuOptions));
    UI_CONTROL(mnuSpin, menuItem("Spin").in(mnuOptions));
    UI_CONTROL(mnuSeparator, menuSeparator().in(mnuOptions));
    UI_CONTROL(mnuEnd, menuItem("End").in(mnuOptions));
    UI_CONTROL(mnuHelp, topMenu("Help"));
    UI_CONTROL(mnuContents, menuItem("Contents").in(mnuHelp));
    // clang-format on

    void cmdSpin_Click();
    void mnuSpin_Click();
    void cmdSetOwnLimits_Click();
    void mnuSetOwnLimits_Click();
    void cmdEnd_Click();
    void mnuEnd_Click();
    void mnuContents_Click();

    QString Rate(std::int16_t Hits, std::int16_t Attempts);
    // Ends the spinner game: the limits dialog and this window are unloaded, then the launcher
    // shows. The last step of every way out of the game.
    void leaveForLauncher();

protected:
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;
    void Form_Activate() override;

private:
    std::array<ui::Label *, 3> digitLabels();
    bool askYesNo(const QString &question);
    void setSetOwnLimitsEnabled(bool enabled);
    void clearScoreboard();
    void nameScores();
    void playAgainQuestion();
    void playAgainReset();
    void endOfGameQuestion();
    void newGameReset();

    std::int16_t intSpinBlock = 0;
    float sngWinRatio = 0.0f;
};
