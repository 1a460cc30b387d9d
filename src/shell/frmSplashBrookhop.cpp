#include "shell/frmSplashBrookhop.h"

#include "board/frmBrookhop.h"

using namespace ui;

namespace {

using namespace splash;

struct Marker {
    const char *name;
    const char *tag;
    const char *icon;
    double left;
};

// The board's three markers, in player order, as they stand on the logo.
constexpr Marker markers[] = {
    { "imgBicycle", "BICYCLE", ":/icons/bicycle32.png", 120 },
    { "imgCars", "CARS", ":/icons/cars32.png", 3240 },
    { "imgPlane", "PLANE", ":/icons/plane32.png", 6600 },
};

// "On Your Mark!" and "Get Set!": red on blue, both crossing the window at the same height.
ControlDesign slidingLabel(const char *name, const char *caption, double width)
{
    return label(name)
        .caption(caption)
        .at(0, 2760, width, 1095)
        .fore(red)
        .back(blue)
        .font(arial(50.25).bold())
        .hidden();
}

} // namespace

frmSplashBrookhop::frmSplashBrookhop()
    : SplashWindow(QStringLiteral("frmSplashBrookhop"), boardCycle)
{
}

FormDesign frmSplashBrookhop::formDesign() const
{
    return splashSpec(6870);
}

QList<ControlDesign> frmSplashBrookhop::controls() const
{
    QList<ControlDesign> t = {
        timer("tmrGo").interval(50).disabled(),
        timer("tmrBackColorHold").interval(500).disabled(),
        button("cmdGo").caption("GO!").at(3960, 2520, 2175, 2025).back(white).font(arial(50.25).bold()).hidden(),
        slidingLabel("lblOn", "On Your Mark!", 6975),
        slidingLabel("lblGetSet", "Get Set!", 3855),
        logoFrame(1200, 1080, 7800, 4770).hidden(),
        gameButton(6240, 4080),
    };
    for (const Marker &m : markers) {
        const QString tag = QString::fromLatin1(m.tag);
        t.append(image(m.name, 0)
                     .in("fraLogo")
                     .picture(m.icon)
                     .at(m.left, 240, 1095, 1095)
                     .stretch()
                     .tag(tag)
                     .dragIcon(m.icon)
                     .accessibleName(tag.left(1) + tag.mid(1).toLower() + QStringLiteral(" picture")));
    }
    t.append(companyLabel(2640, 1800));
    t.append(productLabel(QStringLiteral("Brookhop"), 1320, 2160, 5070));
    t.append(versionLabel(240, 4320));
    return t;
}

void frmSplashBrookhop::wire()
{
    SplashWindow::wire();
    handle(tmrGo(), &Timer::Tick, [this] { tmrGo_Timer(); });
    handle(cmdGo(), &Button::Click, [this] { cmdGo_Click(); });
}

void frmSplashBrookhop::Form_Activate()
{
    cmdGo()->hide();
    fraLogo()->hide();
    setBackColor(blue);
    lblOn()->setLeft(0);
    lblGetSet()->setLeft(0);
    tmrGo()->setEnabled(true);
    lblOn()->show();
    holdTicks = 0;
}

void frmSplashBrookhop::tmrGo_Timer()
{
    double onLeft = lblOn()->Left();
    double getSetLeft = lblGetSet()->Left();
    switch (slideTick(onLeft, getSetLeft)) {
    case SlideTick::OnYourMark:
        lblOn()->setLeft(onLeft);
        break;
    case SlideTick::GetSet:
        lblOn()->hide();
        lblGetSet()->show();
        lblGetSet()->setLeft(getSetLeft);
        break;
    case SlideTick::Go:
        lblOn()->hide();
        tmrGo()->setEnabled(false);
        lblGetSet()->hide();
        cmdGo()->show();
        cmdGo()->setFocus(); // Enter or Space presses it, as a click does
        break;
    }
}

void frmSplashBrookhop::cmdGo_Click()
{
    cmdGo()->hide();
    fraLogo()->show();
    cmdGame()->show();
    cmdGame()->setFocus();
}

void frmSplashBrookhop::showGameWindow()
{
    form<frmBrookhop>().show();
}
