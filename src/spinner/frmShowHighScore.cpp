// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/frmShowHighScore.h"

#include "spinner/HighScoreMessage.h"
#include "spinner/LocalPercent.h"
#include "spinner/frmSpinzo.h"
#include "ui/Accessible.h"

using namespace ui;

frmShowHighScore::frmShowHighScore()
    : Form(QStringLiteral("frmShowHighScore"))
{
}

FormDesign frmShowHighScore::formDesign() const
{
    return {
        .caption = tr("Show High Score"), .backColor = red, .clientWidth = 7905, .clientHeight = 2565, .centred = true
    };
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
    // The percentage fills the sentence after its translation, so a translated sentence may put
    // it anywhere.
    QString message = tr(spinner::highScoreSentence(spins, wins));
    if (message.contains(QLatin1String("%1")))
        message = message.arg(localPercent(game.sngHighScore));
    lblHighScore()->setCaption(message);
    // Read out as the window opens, and again whenever the label is reached.
    const QString said = plainCaption(message);
    lblHighScore()->setAccessibleName(said);
    presentAsDialog(view(), said);
}

void frmShowHighScore::cmdExit_Click()
{
    unload();
    // Once this window is gone the launcher is brought to the front again, whichever window
    // the window manager chose meanwhile.
    ShowHome();
}

// Exit and the close box alike: leaving this window leaves the game.
void frmShowHighScore::Form_Unload(std::int16_t &)
{
    form<frmSpinzo>().leaveForLauncher();
}
