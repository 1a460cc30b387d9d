#pragma once
#include "ui/Bars.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

// The launcher: a black, star-dotted window greeting the user, where two rockets race to reveal
// a game button, and from whose "Games" menu either game opens at any time. It keeps no
// variables: what it shows is held in its controls.
class frmSkydash : public ui::Form
{
    Q_OBJECT
public:
    frmSkydash();

    UI_OLD_CONTROL(ui::Frame, fraLaunchPad)
    UI_OLD_CONTROL(ui::Button, cmdStart)
    UI_OLD_CONTROL(ui::Button, cmdExit)
    UI_OLD_CONTROL(ui::Button, cmdBrookhop)
    UI_OLD_CONTROL(ui::Button, cmdSpinzo)
    UI_OLD_CONTROL(ui::Timer, tmrSkydash)
    UI_OLD_CONTROL(ui::Image, imgRocket1)
    UI_OLD_CONTROL(ui::Image, imgRocket2)
    UI_OLD_CONTROL_ARRAY(ui::Label, lblName)
    UI_OLD_CONTROL(QAction, mnuGames)
    UI_OLD_CONTROL(QAction, mnuBrookhop)
    UI_OLD_CONTROL(QAction, mnuSpinzo)
    UI_OLD_CONTROL(QAction, mnuExit)

    void cmdStart_Click();
    void tmrSkydash_Timer();
    void cmdBrookhop_Click();
    void cmdSpinzo_Click();
    void mnuBrookhop_Click();
    void mnuSpinzo_Click();
    void cmdExit_Click();
    void mnuExit_Click();

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void shutdownSweep();
};
