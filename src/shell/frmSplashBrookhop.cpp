// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmSplashBrookhop.h"

#include "board/frmBrookhop.h"

using namespace ui;

frmSplashBrookhop::frmSplashBrookhop()
    : SplashControls(QStringLiteral("frmSplashBrookhop"), boardCycle)
{
}

FormDesign frmSplashBrookhop::formDesign() const
{
    return splashDesign(6870);
}

Row<Label> frmSplashBrookhop::slidingLabel(const QString &caption, double width)
{
    return label().caption(caption).at(0, 2760, width, 1095).fore(red).back(blue).font(arial(50.25).bold()).hidden();
}

Rows<Image> frmSplashBrookhop::marker(
    const ControlSlot &logo, const QString &tag, const char *name, const QString &icon, double left)
{
    return { image()
                 .element(0)
                 .in(logo)
                 .picture(icon)
                 .at(left, 240, 1095, 1095)
                 .stretch()
                 .tag(tag)
                 .dragIcon(icon)
                 .accessibleName(QString::fromLatin1(name)) };
}

void frmSplashBrookhop::wire()
{
    SplashControls::wire();
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
    showGameButton();
}

void frmSplashBrookhop::showGameWindow()
{
    form<frmBrookhop>().show();
}
