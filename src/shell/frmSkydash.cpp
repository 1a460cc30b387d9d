// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmSkydash.h"

#include "shell/RocketRace.h"
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "ui/Announce.h"
#include "ui/KeyboardFocus.h"
#include "ui/Random.h"

#include <QAction>

using namespace ui;

namespace {

struct Letter {
    const char *caption;
    double left, top, width, height;
};

// WELCOME runs diagonally down the left side; PLAY and HAVEN stand in two columns on the right.
constexpr Letter letters[] = {
    { "W", 240, 240, 1095, 1095 },
    { "E", 720, 1320, 1095, 1095 },
    { "L", 1200, 2400, 1095, 1095 },
    { "C", 1440, 3600, 1095, 1095 },
    { "O", 1800, 4680, 1095, 1095 },
    { "M", 2160, 5880, 1095, 1095 },
    { "E", 2760, 6960, 1095, 1095 },
    { "to", 9120, 4080, 1215, 255 },
    { "P", 8280, 1680, 1095, 1095 },
    { "L", 8280, 3000, 1095, 1095 },
    { "A", 8280, 4320, 1095, 1095 },
    { "Y", 8280, 5640, 1095, 1095 },
    { "H", 10320, 960, 1095, 1095 },
    { "A", 10320, 2280, 1095, 1215 },
    { "V", 10320, 3600, 1095, 1095 },
    { "E", 10320, 4920, 1095, 1095 },
    { "N", 10320, 6240, 1095, 1095 },
};
constexpr int toIndex = 7;

} // namespace

frmSkydash::frmSkydash()
    : Form(QStringLiteral("frmSkydash"))
{
}

FormDesign frmSkydash::formDesign() const
{
    return {
        .caption = tr("Skydash"), .backColor = black, .clientWidth = 4680, .clientHeight = 6645, .maximized = true
    };
}

Rows<Label> frmSkydash::welcomeLetters()
{
    Rows<Label> rows;
    for (int i = 0; i < int(std::size(letters)); ++i) {
        const Letter &l = letters[i];
        Row<Label> row
            = label().element(i).caption(l.caption).at(l.left, l.top, l.width, l.height).fore(red).back(black);
        if (i == toIndex)
            row.font(arial(12).bold().italic()).centred();
        else
            row.font(arial(50.25).bold());
        rows.append(row);
    }
    return rows;
}

void frmSkydash::wire()
{
    handle(cmdStart(), &Button::Click, [this] { cmdStart_Click(); });
    followInputKind();
    handle(cmdExit(), &Button::Click, [this] { cmdExit_Click(); });
    handle(cmdBrookhop(), &Button::Click, [this] { cmdBrookhop_Click(); });
    handle(cmdSpinzo(), &Button::Click, [this] { cmdSpinzo_Click(); });
    handle(tmrSkydash(), &Timer::Tick, [this] { tmrSkydash_Timer(); });
    handle(mnuBrookhop(), &QAction::triggered, [this] { mnuBrookhop_Click(); });
    handle(mnuSpinzo(), &QAction::triggered, [this] { mnuSpinzo_Click(); });
    handle(mnuExit(), &QAction::triggered, [this] { mnuExit_Click(); });
}

void frmSkydash::Form_Load()
{
    Randomize();
    // The star field: X is drawn before Y in each of the 5000 dots. The field was the whole
    // window on the screens it was drawn for; on a larger one it repeats, so the sky is starry
    // to the edges at the same density.
    repeatBackground(12000, 8000);
    for (int i = 0; i < 5000; ++i) {
        const double x = std::floor(Rnd() * 12000);
        const double y = std::floor(Rnd() * 8000);
        PSet(x, y, yellow);
    }
}

void frmSkydash::cmdStart_Click()
{
    raceByKeys = usedByKeyboard(cmdStart());
    hideGameButtons();
    tmrSkydash()->setEnabled(true);
}

void frmSkydash::hideGameButtons()
{
    cmdBrookhop()->hide();
    cmdSpinzo()->hide();
}

void frmSkydash::tmrSkydash_Timer()
{
    RaceRockets rockets { imgRocket1()->Top(), imgRocket2()->Top() };
    const RaceOutcome outcome = raceTick(rockets, [] { return Rnd(); });
    if (outcome != RaceOutcome::Racing) {
        // The finish: the timer stops, the winner's button (both on a tie) appears, and only
        // then do the rockets jump back to the start.
        tmrSkydash()->setEnabled(false);
        if (outcome == RaceOutcome::Tie || outcome == RaceOutcome::LeftWins)
            cmdBrookhop()->show();
        if (outcome == RaceOutcome::Tie || outcome == RaceOutcome::RightWins)
            cmdSpinzo()->show();
        sayWinner(outcome);
    }
    imgRocket1()->setTop(rockets.top1);
    imgRocket2()->setTop(rockets.top2);
}

// The winner for a player who listens: a race started from the keyboard also puts the focus on
// the game it revealed.
void frmSkydash::sayWinner(RaceOutcome outcome)
{
    Button *revealed = outcome == RaceOutcome::RightWins ? cmdSpinzo() : cmdBrookhop();
    QString said;
    switch (outcome) {
    case RaceOutcome::LeftWins:
        said = tr("The left rocket wins: Brookhop.");
        break;
    case RaceOutcome::RightWins:
        said = tr("The right rocket wins: Spinzo.");
        break;
    default:
        said = tr("Both rockets win: Brookhop and Spinzo.");
        break;
    }
    if (raceByKeys)
        focusAndAnnounce(revealed, said);
    else
        announce(said);
}

void frmSkydash::cmdBrookhop_Click()
{
    openGame(form<frmSplashBrookhop>());
}

void frmSkydash::cmdSpinzo_Click()
{
    openGame(form<frmSplashSpinzo>());
}

void frmSkydash::openGame(Form &splash)
{
    hideGameButtons();
    splash.show();
    hide();
}

void frmSkydash::mnuBrookhop_Click()
{
    cmdBrookhop_Click();
}

void frmSkydash::mnuSpinzo_Click()
{
    cmdSpinzo_Click();
}

void frmSkydash::cmdExit_Click()
{
    shutdownSweep();
}

void frmSkydash::mnuExit_Click()
{
    cmdExit_Click();
}

void frmSkydash::Form_Unload(std::int16_t &)
{
    shutdownSweep();
}

void frmSkydash::shutdownSweep()
{
    // Every loaded window is unloaded, hidden ones (the logon dialog) included; some of them
    // ask to show the launcher again as they go, but the program ends right after.
    for (Form *f : Program::instance().loadedForms()) {
        if (Ended())
            return;
        f->unload();
    }
    End();
}
