#include "spinner/frmSetOwnLimits.h"

#include "spinner/NumberReader.h"
#include "spinner/SpinzoColours.h"
#include "spinner/frmSpinzo.h"
#include "ui/Dialogs.h"

using namespace ui;
using namespace spinner::colour;

namespace {

struct Choice {
    const char *name;
    const char *caption;
    double top;
};
// clang-format off
constexpr Choice choices[] = {
    {"Option1", "OPEN LIMITS", 360}, {"Option2", "10", 840}, {"Option3", "25", 1320},
    {"Option4", "100", 1800},        {"Option5", "OTHER", 2280},
};
// clang-format on

} // namespace

frmSetOwnLimits::frmSetOwnLimits()
    : Form(QStringLiteral("frmSetOwnLimits"))
{
}

FormDesign frmSetOwnLimits::formDesign() const
{
    FormDesign f;
    f.caption = QStringLiteral("Set Own Limits");
    f.backColor = red;
    f.clientWidth = 2880;
    f.clientHeight = 3060;
    f.centred = true;
    return f;
}

QList<ControlDesign> frmSetOwnLimits::controls() const
{
    // clang-format off
    QList<ControlDesign> t = {
        button("cmdReturnToGame").caption("Return to Game").at(1920, 720, 855, 1455).back(yellow).font(arial(9.75).bold()).disabled().tabIndex(6),
        frame("fraSetOwnLimits").caption("Set Own Limits").at(120, 120, 1695, 2775).back(yellow).fore(darkBlue).tabIndex(0),
    };
    // Each option is the only member of its own control array, with the index of its place.
    for (int i = 0; i < int(std::size(choices)); ++i) {
        const Choice &c = choices[i];
        t.append(optionButton(c.name, i).in("fraSetOwnLimits").caption(c.caption).at(120, c.top, 1455, 195)
                     .back(lightRed).fore(blue).font(arial(8.25).bold()).checked(i == 0).tabIndex(i + 1));
    }
    // clang-format on
    return t;
}

void frmSetOwnLimits::wire()
{
    handle(Option1(0), &OptionButton::Click, [this] { Option1_Click(0); });
    handle(Option2(1), &OptionButton::Click, [this] { Option2_Click(1); });
    handle(Option3(2), &OptionButton::Click, [this] { Option3_Click(2); });
    handle(Option4(3), &OptionButton::Click, [this] { Option4_Click(3); });
    handle(Option5(4), &OptionButton::Click, [this] { Option5_Click(4); });
    handle(cmdReturnToGame(), &Button::Click, [this] { cmdReturnToGame_Click(); });
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
    const QString entry = InputBox(QStringLiteral("Enter your own maximum number of attempts."));
    if (Ended() || !isLoaded())
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
