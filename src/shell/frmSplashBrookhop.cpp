#include "shell/frmSplashBrookhop.h"

#include "board/frmBrookhop.h"

using namespace ui;

namespace {

constexpr quint32 red = 0x000000FF;
constexpr quint32 green = 0x0000FF00;
constexpr quint32 yellow = 0x0000FFFF;
constexpr quint32 cyan = 0x00FFFF00;
constexpr quint32 blue = 0x00FF0000;
constexpr quint32 white = 0x00FFFFFF;

constexpr std::uint32_t colours[] = { red, green, yellow, cyan };

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

} // namespace

frmSplashBrookhop::frmSplashBrookhop()
    : SplashWindow(QStringLiteral("frmSplashBrookhop"), ColourCycle { colours, 40 })
{
}

FormSpec frmSplashBrookhop::formSpec() const
{
    return splashSpec(6870);
}

QList<ControlSpec> frmSplashBrookhop::controls() const
{
    QList<ControlSpec> t = {
        timer("tmrGo").interval(50).disabled(),
        timer("tmrBackColorHold").interval(500).disabled(),
        button("cmdGo").caption("GO!").at(3960, 2520, 2175, 2025).back(white).font(arial(50.25).bold()).hidden(),
        label("lblOn")
            .caption("On Your Mark!")
            .at(0, 2760, 6975, 1095)
            .fore(red)
            .back(blue)
            .font(arial(50.25).bold())
            .hidden(),
        label("lblGetSet")
            .caption("Get Set!")
            .at(0, 2760, 3855, 1095)
            .fore(red)
            .back(blue)
            .font(arial(50.25).bold())
            .hidden(),
        logoFrame(1200, 1080, 7800, 4770).hidden(),
        gameButton(6240, 4080),
    };
    for (const Marker &m : markers)
        t.append(image(m.name, 0)
                     .in("fraLogo")
                     .picture(m.icon)
                     .at(m.left, 240, 1095, 1095)
                     .stretch()
                     .tag(m.tag)
                     .dragIcon(m.icon));
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
        break;
    }
}

void frmSplashBrookhop::cmdGo_Click()
{
    cmdGo()->hide();
    fraLogo()->show();
    cmdGame()->show();
}

void frmSplashBrookhop::showGameWindow()
{
    form<frmBrookhop>().show();
}
