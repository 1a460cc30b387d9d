// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoakInvariants.h"

#include "board/frmBrookhop.h"
#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "spinner/LocalPercent.h"
#include "spinner/SpinzoRules.h"
#include "spinner/frmSetOwnLimits.h"
#include "spinner/frmShowHighScore.h"
#include "spinner/frmSpinzo.h"
#include "ui/Program.h"

namespace {

// Each invariant is checked between user actions, when no handler is running.
bool betweenActions()
{
    return ui::Program::instance().handlerDepth() == 0 && !ui::Ended();
}

QString logonBeforeLauncher()
{
    frmSkydash &launcher = ui::form<frmSkydash>();
    if (!launcher.isLoaded() || !betweenActions())
        return {};
    frmLogon &logon = ui::form<frmLogon>();
    if (!logon.isLoaded())
        return QStringLiteral("the launcher is loaded but the logon dialog is not");
    const QString name = logon.txtUserName()->Text();
    if (name.isEmpty() || logon.txtPassword()->Text() != name)
        return QStringLiteral("the launcher is open but no logon succeeded (%1 / %2)")
            .arg(name, logon.txtPassword()->Text());
    if (logon.isVisible() && launcher.isVisible())
        return QStringLiteral("the logon dialog is shown beside the launcher");
    return {};
}

QString oneMainWindowAtATime()
{
    if (!betweenActions())
        return {};
    const std::pair<const char *, ui::Form *> windows[] = {
        { "launcher", &ui::form<frmSkydash>() },
        { "board splash", &ui::form<frmSplashBrookhop>() },
        { "spinner splash", &ui::form<frmSplashSpinzo>() },
        { "board", &ui::form<frmBrookhop>() },
        { "spinner game", &ui::form<frmSpinzo>() },
        { "limits dialog", &ui::form<frmSetOwnLimits>() },
        { "high score", &ui::form<frmShowHighScore>() },
    };
    QStringList shown;
    for (const auto &[name, form] : windows) {
        if (form->isVisible())
            shown << QString::fromLatin1(name);
    }
    if (shown.size() > 1)
        return QStringLiteral("several windows shown at once: %1").arg(shown.join(QStringLiteral(", ")));
    return {};
}

QString launcherRockets()
{
    frmSkydash &launcher = ui::form<frmSkydash>();
    if (!launcher.isLoaded())
        return {};
    const double t1 = launcher.imgRocket1()->Top();
    const double t2 = launcher.imgRocket2()->Top();
    if (!launcher.tmrSkydash()->Enabled() && (t1 != 7680 || t2 != 7680))
        return QStringLiteral("rockets away from the start while no race runs: %1, %2").arg(t1).arg(t2);
    return {};
}

QString boardRules()
{
    frmBrookhop &b = ui::form<frmBrookhop>();
    if (!b.isLoaded() || !betweenActions())
        return {};
    if (b.finishPlace < 1 || b.finishPlace > 3)
        return QStringLiteral("finishPlace %1").arg(b.finishPlace);
    int holders[26] = {};
    for (MarkerKind kind : allMarkers) {
        int shown = 0;
        for (int stone = 0; stone <= 25; ++stone) {
            if (ui::visible(b.markerPicture(kind, stone))) {
                ++shown;
                ++holders[stone];
            }
        }
        const QString name = QString::fromLatin1(names(kind).dragTag);
        if (b.flag(kind) && shown != 1)
            return QStringLiteral("%1 is in play with %2 pictures on the board").arg(name).arg(shown);
        const bool finished = ui::visible(b.markerPicture(kind, 25));
        if (finished
            && (b.flag(kind) || ui::enabled(b.optionButton(kind)) || b.menuItem(kind)->isEnabled()
                || ui::enabled(b.markerPicture(kind, 25))))
            return QStringLiteral("%1 finished but is still usable").arg(name);
    }
    for (int stone = 1; stone <= 24; ++stone) {
        if (holders[stone] > 1)
            return QStringLiteral("stone %1 holds %2 markers").arg(stone).arg(holders[stone]);
    }
    return {};
}

float g_highestSeen = 0;
long g_runMarker = -1;

QString spinnerScore()
{
    frmSpinzo &game = ui::form<frmSpinzo>();
    if (game.Wins < 0 || game.Spins < 0 || game.Wins > game.Spins)
        return QStringLiteral("Wins %1 and Spins %2 out of order").arg(game.Wins).arg(game.Spins);
    if (!(game.sngHighScore >= 0.0f && game.sngHighScore < 1.0f))
        return QStringLiteral("highest score %1 outside [0, 1)").arg(game.sngHighScore);
    // The form object is new for every run of the program; the score never falls within a run.
    const long run = long(reinterpret_cast<quintptr>(&game));
    if (run != g_runMarker) {
        g_runMarker = run;
        g_highestSeen = 0;
    }
    if (game.sngHighScore < g_highestSeen)
        return QStringLiteral("highest score fell from %1 to %2").arg(g_highestSeen).arg(game.sngHighScore);
    g_highestSeen = game.sngHighScore;
    if (game.isLoaded() && game.Spins > 0 && betweenActions()) {
        const QString expected = localPercent(spinner::winRatio(game.Wins, game.Spins));
        // Returning to the game resets the counts without touching the captions, so the shown
        // percentage is checked only when the attempts shown are the counted ones.
        if (game.lblAttempts()->Caption() == QString::number(game.Spins) && game.lblRate()->Caption() != expected)
            return QStringLiteral("shown %1 for %2 wins in %3 spins")
                .arg(game.lblRate()->Caption())
                .arg(game.Wins)
                .arg(game.Spins);
    }
    return {};
}

} // namespace

std::vector<SoakAgent::Invariant> soakInvariants()
{
    return { &logonBeforeLauncher, &oneMainWindowAtATime, &launcherRockets, &boardRules, &spinnerScore };
}

bool soakEndAllowed(const QString &lastAction)
{
    static const QStringList allowed = {
        QStringLiteral("click cmdExit"),
        QStringLiteral("menu mnuExit"),
        QStringLiteral("close box of frmSkydash"),
        QStringLiteral("click cmdCancel"),
        QStringLiteral("close box of frmLogon"),
        QStringLiteral("click cmdOK"),
    };
    // Keys press the focused or default button: Cancel, OK (a third failure) or Exit.
    if (lastAction.startsWith(QLatin1String("key "))
        && (lastAction.endsWith(QLatin1String(" on frmLogon")) || lastAction.endsWith(QLatin1String(" on frmSkydash"))))
        return true;
    for (const QString &a : allowed) {
        if (lastAction.startsWith(a))
            return true;
    }
    return false;
}

bool soakEndsRun(const QString &action)
{
    // Leaving a splash or a game early is fine, but a run that always leaves early never gets
    // deep into the games.
    if (action.startsWith(QLatin1String("click fraLogo"))
        || action.startsWith(QLatin1String("click cmdEnd on frmBrookhop"))
        || action == QLatin1String("close box of frmBrookhop") || action == QLatin1String("close box of frmSpinzo"))
        return true;
    return action.startsWith(QLatin1String("click cmdCancel on frmLogon"))
        || action.startsWith(QLatin1String("click cmdExit on frmSkydash")) || action == QLatin1String("menu mnuExit")
        || action == QLatin1String("close box of frmLogon") || action == QLatin1String("close box of frmSkydash")
        || (action.startsWith(QLatin1String("key ")) && action.endsWith(QLatin1String(" on frmLogon"))
            && !action.contains(QLatin1String("txt")))
        || (action.startsWith(QLatin1String("key ")) && action.contains(QLatin1String("cmdExit")));
}

QWidget *soakAimedDropTarget()
{
    frmBrookhop &b = ui::form<frmBrookhop>();
    if (!b.isVisible() || b.newPosition < 0 || b.newPosition > 25)
        return nullptr;
    return b.picBrookhop(b.newPosition);
}
