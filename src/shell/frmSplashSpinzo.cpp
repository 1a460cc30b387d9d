#include "shell/frmSplashSpinzo.h"

#include "spinner/frmSpinzo.h"

using namespace ui;

frmSplashSpinzo::frmSplashSpinzo()
    : SplashWindow(QStringLiteral("frmSplashSpinzo"), spinnerCycle)
{
}

FormDesign frmSplashSpinzo::formDesign() const
{
    return splashSpec(6960);
}

QList<ControlDesign> frmSplashSpinzo::controls() const
{
    return {
        timer("tmrBackColorHold").interval(500).disabled(),
        logoFrame(1560, 1320, 7080, 4050),
        gameButton(5640, 3360),
        image("imgLogo").in("fraLogo").picture(":/pictures/spinner.gif").at(360, 795, 1815, 2385).stretch().accessibleName("Spinner picture"),
        versionLabel(210, 3720),
        productLabel(QStringLiteral("Spinzo"), 2520, 1140, 3930),
        companyLabel(3360, 720),
    };
}

void frmSplashSpinzo::Form_Activate()
{
    cmdGame()->show();
    cmdGame()->setFocus(); // Enter or Space presses it, as a click does
    holdTicks = 0;
}

void frmSplashSpinzo::showGameWindow()
{
    form<frmSpinzo>().show();
}
