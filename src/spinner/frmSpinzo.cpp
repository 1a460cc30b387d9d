// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/frmSpinzo.h"

#include "help/frmHelpSpinzo.h"
#include "spinner/LocalPercent.h"
#include "spinner/SpinzoRules.h"
#include "spinner/frmSetOwnLimits.h"
#include "spinner/frmShowHighScore.h"
#include "ui/Announce.h"
#include "ui/Dialogs.h"
#include "ui/Random.h"

using namespace ui;

frmSpinzo::frmSpinzo()
    : Form(QStringLiteral("frmSpinzo"))
{
}

FormDesign frmSpinzo::formDesign() const
{
    return {
        .caption = tr("\"SPINZO\""), .backColor = red, .clientWidth = 6960, .clientHeight = 5550, .centred = true
    };
}

void frmSpinzo::wire()
{
    handle(cmdSpin(), &Button::Click, [this] { cmdSpin_Click(); });
    handle(cmdSetOwnLimits(), &Button::Click, [this] { cmdSetOwnLimits_Click(); });
    handle(cmdEnd(), &Button::Click, [this] { cmdEnd_Click(); });
    handle(mnuSpin(), &QAction::triggered, [this] { mnuSpin_Click(); });
    handle(mnuSetOwnLimits(), &QAction::triggered, [this] { mnuSetOwnLimits_Click(); });
    handle(mnuEnd(), &QAction::triggered, [this] { mnuEnd_Click(); });
    handle(mnuContents(), &QAction::triggered, [this] { mnuContents_Click(); });
}

void frmSpinzo::Form_Load()
{
    imgBigFeet()->hide();
    blnOpenLimits = true;
    intSpinBlock = 1;
    Randomize();
    nameScores();
}

void frmSpinzo::Form_Activate()
{
    // Coming back from another window of the program starts the counts again; the captions
    // keep what they show until the next spin.
    Spins = 0;
    Wins = 0;
}

void frmSpinzo::Form_Unload(std::int16_t &)
{
    // This window's unload is under way already: only the limits dialog and the launcher remain.
    leaveForLauncher();
}

void frmSpinzo::leaveForLauncher()
{
    form<frmSetOwnLimits>().unload();
    unload();
    ShowHome();
}

std::array<Label *, 3> frmSpinzo::digitLabels()
{
    return { lblSpinzoNumber1(), lblSpinzoNumber2(), lblSpinzoNumber3() };
}

void frmSpinzo::cmdSpin_Click()
{
    if (spinner::limitUsedUp(Spins, intMaxSpins, blnOpenLimits)) {
        playAgainQuestion();
        return;
    }
    setSetOwnLimitsEnabled(false);
    imgBigFeet()->hide();
    const std::array<int, 3> digits = spinner::drawSpin([] { return Rnd(); });
    const std::array<Label *, 3> labels = digitLabels();
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setCaption(QString::number(digits[i]));
    ++Spins;
    lblAttempts()->setCaption(QString::number(Spins));
    if (spinner::isWinningSpin(digits)) {
        imgBigFeet()->show();
        Beep();
        ++Wins;
        lblWins()->setCaption(tr("Wins: %1").arg(Wins));
    }
    lblRate()->setCaption(Rate(Wins, Spins));
    if (spinner::recordsHighScore(sngWinRatio, sngHighScore))
        sngHighScore = sngWinRatio;
    nameScores();
    const QString said
        = spinner::isWinningSpin(digits) ? tr("%1, %2, %3. A seven! You win.") : tr("%1, %2, %3. No seven.");
    announce(said.arg(digits[0]).arg(digits[1]).arg(digits[2]));
    if (!spinner::tenSpinQuestionDue(Spins, intSpinBlock, blnOpenLimits))
        return;
    if (askYesNo(tr("Do you want to continue playing this game?")))
        ++intSpinBlock;
    else if (stillLoaded())
        newGameReset();
}

void frmSpinzo::mnuSpin_Click()
{
    cmdSpin_Click();
}

QString frmSpinzo::Rate(std::int16_t Hits, std::int16_t Attempts)
{
    sngWinRatio = spinner::winRatio(Hits, Attempts);
    return localPercent(sngWinRatio);
}

void frmSpinzo::cmdSetOwnLimits_Click()
{
    form<frmSetOwnLimits>().show();
    hide();
}

void frmSpinzo::mnuSetOwnLimits_Click()
{
    cmdSetOwnLimits_Click();
}

void frmSpinzo::cmdEnd_Click()
{
    endOfGameQuestion();
}

void frmSpinzo::mnuEnd_Click()
{
    cmdEnd_Click();
}

void frmSpinzo::mnuContents_Click()
{
    form<frmHelpSpinzo>().show();
}

bool frmSpinzo::askYesNo(const QString &question)
{
    return MsgBox(question, MsgButtons::YesNo, MsgIcon::Question, {}, MsgResult::Yes) == MsgResult::Yes
        && stillLoaded();
}

void frmSpinzo::setSetOwnLimitsEnabled(bool enabled)
{
    cmdSetOwnLimits()->setEnabled(enabled);
    mnuSetOwnLimits()->setEnabled(enabled);
}

// The numbers of the scoreboard as a screen reader reaches them: each with what it counts.
void frmSpinzo::nameScores()
{
    const auto named = [](Label *label, const QString &bare, const QString &withValue) {
        const QString value = label->Caption();
        label->setAccessibleName(value.isEmpty() ? bare : withValue.arg(value));
    };
    named(lblSpinzoNumber1(), tr("First number"), tr("First number: %1"));
    named(lblSpinzoNumber2(), tr("Second number"), tr("Second number: %1"));
    named(lblSpinzoNumber3(), tr("Third number"), tr("Third number: %1"));
    named(lblAttempts(), tr("Attempts"), tr("Attempts: %1"));
    named(lblRate(), tr("Percentage"), tr("Percentage: %1"));
}

void frmSpinzo::clearScoreboard()
{
    for (Label *l : digitLabels())
        l->setCaption(QString());
    lblAttempts()->setCaption(QString());
    lblWins()->setCaption(tr("Wins:0"));
    lblRate()->setCaption(tr("0.0%"));
    nameScores();
}

void frmSpinzo::playAgainQuestion()
{
    if (askYesNo(tr("Do you want to play again?")))
        playAgainReset();
    else if (stillLoaded())
        endOfGameQuestion();
}

void frmSpinzo::playAgainReset()
{
    setSetOwnLimitsEnabled(true);
    Spins = 0;
    Wins = 0;
    intMaxSpins = 0;
    // Selecting OPEN LIMITS counts as the player's choice only if it changes the selection.
    form<frmSetOwnLimits>().Option1(0)->setValue(true);
    blnOpenLimits = true;
    intSpinBlock = 1;
    clearScoreboard();
}

void frmSpinzo::endOfGameQuestion()
{
    if (askYesNo(tr("Do you want to see your highest score?"))) {
        form<frmShowHighScore>().show();
        hide();
    } else if (stillLoaded()) {
        leaveForLauncher();
    }
}

void frmSpinzo::newGameReset()
{
    setSetOwnLimitsEnabled(true);
    Spins = 0;
    Wins = 0;
    intSpinBlock = 1;
    clearScoreboard();
}
