#include "shell/frmSkydash.h"

#include "shell/RocketRace.h"
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "ui/Random.h"

#include <QAction>

using namespace ui;

namespace {

constexpr quint32 black = 0x00000000;
constexpr quint32 yellow = 0x0000FFFF;
constexpr quint32 red = 0x000000FF;

struct Letter {
    const char *caption;
    double left, top, width, height;
};

// WELCOME runs diagonally down the left side; PLAY and HAVEN stand in two columns on the right.
constexpr Letter letters[] = {
    {"W", 240, 240, 1095, 1095},    {"E", 720, 1320, 1095, 1095},   {"L", 1200, 2400, 1095, 1095},
    {"C", 1440, 3600, 1095, 1095},  {"O", 1800, 4680, 1095, 1095},  {"M", 2160, 5880, 1095, 1095},
    {"E", 2760, 6960, 1095, 1095},  {"to", 9120, 4080, 1215, 255},  {"P", 8280, 1680, 1095, 1095},
    {"L", 8280, 3000, 1095, 1095},  {"A", 8280, 4320, 1095, 1095},  {"Y", 8280, 5640, 1095, 1095},
    {"H", 10320, 960, 1095, 1095},  {"A", 10320, 2280, 1095, 1215}, {"V", 10320, 3600, 1095, 1095},
    {"E", 10320, 4920, 1095, 1095}, {"N", 10320, 6240, 1095, 1095},
};
constexpr int toIndex = 7;

} // namespace

frmSkydash::frmSkydash()
    : Form(QStringLiteral("frmSkydash"))
{
}

FormDesign frmSkydash::formDesign() const
{
    FormDesign f;
    f.caption = QStringLiteral("Skydash");
    f.backColor = black;
    f.clientWidth = 4680;
    f.clientHeight = 6645;
    f.maximized = true;
    return f;
}

QList<ControlDesign> frmSkydash::controls() const
{
    const QString rocket = QStringLiteral(":/icons/rocket32.png");
    QList<ControlDesign> t = {
        frame("fraLaunchPad").caption("Launch Pad").at(4920, 6720, 2055, 1575).back(black).fore(red).font(arial(9.75).bold()),
        button("cmdStart").in("fraLaunchPad").caption("Start Race").at(120, 360, 1815, 375).back(yellow).font(arial(9.75).bold()),
        button("cmdExit").in("fraLaunchPad").caption("Exit").at(120, 960, 1815, 375).back(yellow).font(arial(9.75).bold()),
        button("cmdBrookhop").caption("Brookhop").at(3720, 480, 1215, 855).back(yellow).font(arial(9.75).bold()).hidden(),
        button("cmdSpinzo").caption("Spinzo").at(6960, 480, 1215, 855).back(yellow).font(arial(9.75).bold()).hidden(),
        timer("tmrSkydash").interval(30).disabled(),
        image("imgRocket1").picture(rocket).at(4080, 7680, 480, 480).accessibleName("Left rocket"),
        image("imgRocket2").picture(rocket).at(7320, 7680, 480, 480).accessibleName("Right rocket"),
        topMenu("mnuGames", "Games"),
        menuItem("mnuBrookhop", "Brookhop").in("mnuGames"),
        menuItem("mnuSpinzo", "Spinzo").in("mnuGames"),
        menuItem("mnuExit", "Exit"),
    };
    for (int i = 0; i < int(std::size(letters)); ++i) {
        const Letter &l = letters[i];
        ControlDesign s = label("lblName", i).caption(l.caption).at(l.left, l.top, l.width, l.height).fore(red).back(black);
        if (i == toIndex)
            s.font(arial(12).bold().italic()).centred();
        else
            s.font(arial(50.25).bold());
        t.append(s);
    }
    return t;
}

void frmSkydash::wire()
{
    handle(cmdStart(), &Button::Click, [this] { cmdStart_Click(); });
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
    // The star field: X is drawn before Y in each of the 5000 dots.
    for (int i = 0; i < 5000; ++i) {
        const double x = std::floor(Rnd() * 12000);
        const double y = std::floor(Rnd() * 8000);
        PSet(x, y, yellow);
    }
}

void frmSkydash::cmdStart_Click()
{
    cmdBrookhop()->hide();
    cmdSpinzo()->hide();
    tmrSkydash()->setEnabled(true);
}

void frmSkydash::tmrSkydash_Timer()
{
    RaceRockets rockets{imgRocket1()->Top(), imgRocket2()->Top()};
    const RaceOutcome outcome = raceTick(rockets, [] { return Rnd(); });
    if (outcome != RaceOutcome::Racing) {
        // The finish: the timer stops, the winner's button (both on a tie) appears, and only
        // then do the rockets jump back to the start.
        tmrSkydash()->setEnabled(false);
        if (outcome == RaceOutcome::Tie || outcome == RaceOutcome::LeftWins)
            cmdBrookhop()->show();
        if (outcome == RaceOutcome::Tie || outcome == RaceOutcome::RightWins)
            cmdSpinzo()->show();
    }
    imgRocket1()->setTop(rockets.top1);
    imgRocket2()->setTop(rockets.top2);
}

void frmSkydash::cmdBrookhop_Click()
{
    cmdBrookhop()->hide();
    cmdSpinzo()->hide();
    form<frmSplashBrookhop>().show();
    hide();
}

void frmSkydash::cmdSpinzo_Click()
{
    cmdBrookhop()->hide();
    cmdSpinzo()->hide();
    form<frmSplashSpinzo>().show();
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
