// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/frmSetOwnLimits.h"

#include "spinner/NumberReader.h"
#include "spinner/frmSpinzo.h"
#include "ui/Accessible.h"
#include "ui/Dialogs.h"

using namespace ui;

frmSetOwnLimits::frmSetOwnLimits()
    : Form(QStringLiteral("frmSetOwnLimits"))
{
}

FormDesign frmSetOwnLimits::formDesign() const
{
    return {
        .caption = tr("Set Own Limits"), .backColor = red, .clientWidth = 2880, .clientHeight = 3060, .centred = true
    };
}

Rows<OptionButton> frmSetOwnLimits::choice(const ControlSlot &frame, int index, const char *caption, double top)
{
    return { optionButton()
                 .element(index)
                 .in(frame)
                 .caption(caption)
                 .at(120, top, 1455, 195)
                 .back(pink)
                 .fore(blue)
                 .font(arial(8.25).bold())
                 .checked(index == 0)
                 .tabIndex(index + 1) };
}

void frmSetOwnLimits::wire()
{
    handle(Option1(0), &OptionButton::Click, [this] { Option1_Click(0); });
    handle(Option2(1), &OptionButton::Click, [this] { Option2_Click(1); });
    handle(Option3(2), &OptionButton::Click, [this] { Option3_Click(2); });
    handle(Option4(3), &OptionButton::Click, [this] { Option4_Click(3); });
    handle(Option5(4), &OptionButton::Click, [this] { Option5_Click(4); });
    handle(cmdReturnToGame(), &Button::Click, [this] { cmdReturnToGame_Click(); });
    presentAsDialog(view(), tr("Choose how many spins a game has, then return to the game."));
}

void frmSetOwnLimits::Option1_Click(std::int16_t)
{
    cmdReturnToGame()->setEnabled(true);
    form<frmSpinzo>().blnOpenLimits = true;
}

void frmSetOwnLimits::Option2_Click(std::int16_t)
{
    chooseFixedLimit(10);
}

void frmSetOwnLimits::Option3_Click(std::int16_t)
{
    chooseFixedLimit(25);
}

void frmSetOwnLimits::Option4_Click(std::int16_t)
{
    chooseFixedLimit(100);
}

void frmSetOwnLimits::chooseFixedLimit(std::int16_t limit)
{
    form<frmSpinzo>().intMaxSpins = limit;
    cmdReturnToGame()->setEnabled(true);
    form<frmSpinzo>().blnOpenLimits = false;
}

void frmSetOwnLimits::Option5_Click(std::int16_t)
{
    const QString entry = InputBox(tr("Enter your own maximum number of attempts."));
    if (!stillLoaded())
        return;
    // An entry beyond the 16-bit range is clamped to its nearest end rather than refused.
    frmSpinzo &game = form<frmSpinzo>();
    game.intMaxSpins = spinner::ownLimitFromEntry(entry.toStdString());
    if (game.intMaxSpins == 0) {
        game.blnOpenLimits = true;
        game.show();
        hide();
    } else {
        cmdReturnToGame()->setEnabled(true);
        game.blnOpenLimits = false;
    }
}

void frmSetOwnLimits::cmdReturnToGame_Click()
{
    form<frmSpinzo>().show();
    hide();
}

void frmSetOwnLimits::Form_Unload(std::int16_t &)
{
    form<frmSpinzo>().show();
}
