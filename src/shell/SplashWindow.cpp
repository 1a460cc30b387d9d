// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SplashWindow.h"

#include "shell/GlidePacer.h"
#include "ui/Program.h"

#include <QCoreApplication>

using namespace ui;

namespace {

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

FormDesign SplashWindow::splashDesign(double clientHeight)
{
    // No caption and no control box: no title bar.
    return { .caption = QString(),
        .backColor = blue,
        .clientWidth = 10245,
        .clientHeight = clientHeight,
        .border = Border::FixedDialog,
        .controlBox = false,
        .centred = true };
}

Row<Frame> SplashWindow::logoFrame(double left, double top, double width, double height)
{
    // Looked up here, in the context of this class, and not again in the window's own.
    const QString name = tr("Logo");
    return frame().at(left, top, width, height).back(red).accessibleName(name);
}

Row<Button> SplashWindow::gameButton(double left, double top)
{
    const QString game = tr("Game");
    return button().caption(game).at(left, top, 1215, 495).back(yellow).font(arial(9.75).bold());
}

Row<Label> SplashWindow::logoLabel(const QString &caption, quint32 back, const FontDesign &font)
{
    return label().caption(caption).back(back).autoSize().font(font);
}

Row<Label> SplashWindow::companyLabel(double left, double top)
{
    return logoLabel(tr("Orvik Product"), yellow, arial(18).bold()).at(left, top, 2145, 435);
}

Row<Label> SplashWindow::productLabel(const QString &caption, double left, double top, double width)
{
    return logoLabel(caption, yellow, arial(32.25).bold()).at(left, top, width, 765);
}

Row<Label> SplashWindow::versionLabel(double left, double top)
{
    return logoLabel(tr("Version 1.3"), pink, arial(8.25)).at(left, top, 840, 210).align(Align::Right);
}

void SplashWindow::fraLogo_Click()
{
    // The glide lets events run; a click that arrives meanwhile must not open a second exit.
    if (m_gliding)
        return;
    unload();
    ShowHome();
}

bool SplashWindow::showNextColour()
{
    const auto colour = colourTick(m_cycle, holdTicks, colorStep);
    if (colour)
        setBackColor(*colour);
    return colour.has_value();
}

void SplashWindow::glideToTheGame()
{
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
            if (!stillLoaded())
                break;
            setTop(glide.step());
        }
        if (!stillLoaded())
            break;
    }
    m_gliding = false;
    return glide.finished() && stillLoaded();
}
