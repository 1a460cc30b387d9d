// The whole-program soak: plays Playhaven at random from start to end and round again,
// checking the games' invariants after every step. Usage:
//   soak [--steps N] [--seconds S] [--seed X] [--verbose]
#include "SoakAgent.h"
#include "SoakInvariants.h"

#include "shell/Startup.h"
#include "ui/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::initApplication(app);
    SoakAgent::Options options;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString a = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--steps")) { options.steps = next.toLong(); ++i; }
        else if (a == QLatin1String("--seconds")) { options.seconds = next.toDouble(); ++i; }
        else if (a == QLatin1String("--seed")) { options.seed = next.toULongLong(); ++i; }
        else if (a == QLatin1String("--verbose")) { options.verbose = true; }
    }
    SoakAgent agent(options, &startPlayhaven, soakInvariants());
    agent.setEndAllowed(&soakEndAllowed);
    QElapsedTimer clock;
    clock.start();
    agent.run();
    std::printf("soak: seed %llu, %ld steps, %ld runs, %ld program ends, %.1f s, no invariant broken\n",
                static_cast<unsigned long long>(options.seed), agent.stepsDone(), agent.runsDone(), agent.endsSeen(),
                clock.elapsed() / 1000.0);
    return 0;
}
