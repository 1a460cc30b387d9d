#include "spinner/frmShowHighScore.h"

#include "shell/frmSkydash.h"
#include "spinner/HighScoreMessage.h"
#include "spinner/LocalPercent.h"
#include "spinner/SpinzoColours.h"
#include "spinner/frmSetOwnLimits.h"
#include "spinner/frmSpinzo.h"

using namespace ui;
using namespace spinner::colour;

frmShowHighScore::frmShowHighScore()
    : Form(QStringLiteral("frmShowHighScore"))
{
}

FormDesign frmShowHighScore::formDesign() const
{
    FormDesign f;
    f.caption = QStringLiteral("Show High Score");
    f.backColor = red;
    f.clientWidth = 7905;
    f.clientHeight = 2565;
    f.centred = true;
    return f;
}

QList<ControlDesign> frmShowHighScore::controls() const
{
    // clang-format off
    return {
        label("lblHighScore").accessibleName("High score").at(240, 240, 7335, 1575).back(yellow).fore(red).font(arial(20.25).bold()).tabIndex(0),
        button("cmdExit").caption("Exit the Game").at(4320, 2040, 3375, 375).back(yellow).font(arial(9.75).bold()).tabIndex(1),
    };
    // clang-format on
}

void frmShowHighScore::wire()
{
    handle(cmdExit(), &Button::Click, [this] { cmdExit_Click(); });
}

void frmShowHighScore::Form_Load()
{
    // Loaded while the game window is still showing, so these are the counts of the game just
    // ended.
    const frmSpinzo &game = form<frmSpinzo>();
    const int spins = game.Spins;
    const int wins = game.Wins;
    const std::string message = spinner::highScoreMessage(spins, wins, game.sngHighScore, localDecimalSeparator());
    lblHighScore()->setCaption(QString::fromStdString(message));
}

void frmShowHighScore::cmdExit_Click()
{
    leaveGame();
}

void frmShowHighScore::Form_Unload(std::int16_t &)
{
    leaveGame();
}

void frmShowHighScore::leaveGame()
{
    form<frmSetOwnLimits>().unload();
    form<frmSpinzo>().unload();
    unload();
    form<frmSkydash>().show();
}
