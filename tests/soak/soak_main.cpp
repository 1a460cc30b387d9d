// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-program soak: plays Playhaven at random from start to end and round again,
// checking the games' invariants after every step. Usage:
//   soak [--steps N] [--seconds S] [--seed X] [--scale F] [--verbose]
#include "SoakAgent.h"
#include "SoakInvariants.h"

#include "shell/GlidePacer.h"
#include "shell/SplashWindow.h"
#include "shell/Startup.h"
#include "ui/Form.h"
#include "ui/Geometry.h"
#include "ui/Program.h"

#include "ui/Application.h"
#include <QPointer>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// The glide in the soak is not paced by the clock: its steps come at once, each still letting
// pending events (the soak's next actions among them) run before it.
class SoakPacer : public GlidePacer {
public:
    void start() override { m_glider = ui::Program::instance().activeForm(); }
    int waitForSteps() override { return 25; }
    bool gliding() const { return m_glider && m_glider->isLoaded(); }

private:
    QPointer<ui::Form> m_glider;
};

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says, on every run, that it cannot raise windows or grab the keyboard:
// hundreds of lines a seed that would bury the soak's own summary.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    ui::initApplication(app);
    SoakAgent::Options options;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString a = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--steps")) {
            options.steps = next.toLong();
            ++i;
        } else if (a == QLatin1String("--seconds")) {
            options.seconds = next.toDouble();
            ++i;
        } else if (a == QLatin1String("--seed")) {
            options.seed = next.toULongLong();
            ++i;
        } else if (a == QLatin1String("--scale")) {
            // Every window drawn at this display scale: drops and picks then land through
            // pixels of another size, by the same rules.
            ui::useDisplayScale(next.toDouble());
            ++i;
        } else if (a == QLatin1String("--verbose")) {
            options.verbose = true;
        }
    }
    SoakPacer pacer;
    SplashWindow::setGlidePacer(&pacer);
    SoakAgent agent(options, &startPlayhaven, soakInvariants());
    agent.setEndAllowed(&soakEndAllowed);
    agent.setEndsRun(&soakEndsRun);
    agent.setAimedDropTarget(&soakAimedDropTarget);
    agent.setQuiet([&pacer] { return pacer.gliding(); });
    QElapsedTimer clock;
    clock.start();
    agent.run();
    std::printf(
        "soak: seed %llu, display scale %g, %ld steps, %ld runs, %ld program ends, %.1f s, no invariant broken\n",
        static_cast<unsigned long long>(options.seed), ui::displayScale(), agent.stepsDone(), agent.runsDone(),
        agent.endsSeen(), clock.elapsed() / 1000.0);
    // How deep the runs went: the messages that only come late in a game.
    const auto &t = agent.dialogs().texts;
    std::printf("soak: first places %ld, third places %ld, sent back to START %ld, spinner ten-spin questions %ld, "
                "play-again questions %ld, good-byes %ld\n",
        t.value(QStringLiteral("Congratulations!  You win!!\r\nYou came in first place.")),
        t.value(QStringLiteral("You came in third place.")),
        t.value(QStringLiteral("Two players can't be on the same stone.\r\nGo back to START!")),
        t.value(QStringLiteral("Do you want to continue playing this game?")),
        t.value(QStringLiteral("Do you want to play again?")),
        t.value(QStringLiteral("Too many invalid logon attempts.  Good-bye.")));
    return 0;
}
