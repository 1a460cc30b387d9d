#pragma once
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Picture.h"

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

    UI_CONTROL(ui::Button, cmdSetOwnLimits)
    UI_CONTROL(ui::Button, cmdEnd)
    UI_CONTROL(ui::Button, cmdSpin)
    UI_CONTROL(ui::Label, lblSpinzoNumber1)
    UI_CONTROL(ui::Label, lblSpinzoNumber2)
    UI_CONTROL(ui::Label, lblSpinzoNumber3)
    UI_CONTROL(ui::Label, lblName)
    UI_CONTROL(ui::Label, lblAttempts)
    UI_CONTROL(ui::Label, lblWins)
    UI_CONTROL(ui::Label, lblRate)
    UI_CONTROL(ui::Image, imgBigFeet)
    UI_CONTROL(QAction, mnuOptions)
    UI_CONTROL(QAction, mnuSetOwnLimits)
    UI_CONTROL(QAction, mnuSpin)
    UI_CONTROL(QAction, mnuSeparator)
    UI_CONTROL(QAction, mnuEnd)
    UI_CONTROL(QAction, mnuHelp)
    UI_CONTROL(QAction, mnuContents)

    void cmdSpin_Click();
    void mnuSpin_Click();
    void cmdSetOwnLimits_Click();
    void mnuSetOwnLimits_Click();
    void cmdEnd_Click();
    void mnuEnd_Click();
    void mnuContents_Click();

    QString Rate(std::int16_t Hits, std::int16_t Attempts);

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;
    void Form_Activate() override;

private:
    std::array<ui::Label *, 3> digitLabels();
    bool askYesNo(const QString &question);
    bool stillHere() const;
    void setSetOwnLimitsEnabled(bool enabled);
    void clearScoreboard();
    void playAgainQuestion();
    void playAgainReset();
    void endOfGameQuestion();
    void newGameReset();

    std::int16_t intSpinBlock = 0;
    float sngWinRatio = 0.0f;
};
