#include "shell/SplashWindow.h"

#include "shell/GlidePacer.h"
#include "shell/frmSkydash.h"

#include <QCoreApplication>

using namespace ui;

namespace {

using namespace splash;

GlidePacer *g_pacer = nullptr;

GlidePacer &pacer()
{
    static ClockPacer clock;
    return g_pacer ? *g_pacer : clock;
}

} // namespace

SplashWindow::SplashWindow(const QString &name, ColourCycle cycle)
    : Form(name)
    , m_cycle(cycle)
{
}

void SplashWindow::setGlidePacer(GlidePacer *pacer)
{
    g_pacer = pacer;
}

FormDesign SplashWindow::splashSpec(double clientHeight)
{
    FormDesign f;
    f.backColor = blue;
    f.clientWidth = 10245;
    f.clientHeight = clientHeight;
    f.border = Border::FixedDialog;
    f.controlBox = false;
    f.centred = true;
    return f;
}

ControlDesign SplashWindow::logoFrame(double left, double top, double width, double height)
{
    return frame("fraLogo").at(left, top, width, height).back(red).accessibleName("Logo");
}

ControlDesign SplashWindow::gameButton(double left, double top)
{
    return button("cmdGame")
        .in("fraLogo")
        .caption("Game")
        .at(left, top, 1215, 495)
        .back(yellow)
        .font(arial(9.75).bold());
}

// The labels of the logo frame take the size of their text.
static ControlDesign logoLabel(const QString &name, const QString &caption, quint32 back, const FontDesign &font)
{
    return label(name).in("fraLogo").caption(caption).back(back).autoSize().font(font);
}

ControlDesign SplashWindow::companyLabel(double left, double top)
{
    return logoLabel("lblCompanyProduct", "Orvik Product", yellow, arial(18).bold()).at(left, top, 2145, 435);
}

ControlDesign SplashWindow::productLabel(const QString &caption, double left, double top, double width)
{
    return logoLabel("lblProductName", caption, yellow, arial(32.25).bold()).at(left, top, width, 765);
}

ControlDesign SplashWindow::versionLabel(double left, double top)
{
    return logoLabel("lblVersion", "Version 1.3", pink, arial(8.25)).at(left, top, 840, 210).align(Align::Right);
}

void SplashWindow::wire()
{
    handle(cmdGame(), &Button::Click, [this] { cmdGame_Click(); });
    handle(fraLogo(), &Frame::Click, [this] { fraLogo_Click(); });
    handle(tmrBackColorHold(), &Timer::Tick, [this] { tmrBackColorHold_Timer(); });
}

void SplashWindow::cmdGame_Click()
{
    cmdGame()->hide();
    tmrBackColorHold()->setEnabled(true);
}

void SplashWindow::fraLogo_Click()
{
    // The glide lets events run; a click that arrives meanwhile must not open a second exit.
    if (m_gliding)
        return;
    unload();
    form<frmSkydash>().show();
}

void SplashWindow::tmrBackColorHold_Timer()
{
    if (const auto colour = colourTick(m_cycle, holdTicks, colorStep)) {
        setBackColor(*colour);
        return;
    }
    tmrBackColorHold()->setEnabled(false);
    if (!exitGlide())
        return;
    unload();
    showGameWindow();
}

// Returns false if the program ended or the window was unloaded while it glided: then the game
// window does not open either.
bool SplashWindow::exitGlide()
{
    m_gliding = true;
    ExitGlide glide(Top(), Height());
    GlidePacer &pace = pacer();
    pace.start();
    while (!glide.finished()) {
        for (int due = pace.waitForSteps(); due > 0 && !glide.finished(); --due) {
            QCoreApplication::processEvents();
            if (Ended() || !isLoaded())
                break;
            setTop(glide.step());
        }
        if (Ended() || !isLoaded())
            break;
    }
    m_gliding = false;
    return glide.finished() && !Ended() && isLoaded();
}
