// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the launcher's rocket race a few times on a real display and prints, for each race, the
// number of ticks, the wall time from "Start Race" to the finish, its ratio to ticks x 30 ms,
// the longest gap between two ticks, and the ticks in which a rocket did not move on screen.
//
//   DISPLAY=:51 build/bench/bench_race_timing [races]
#include "shell/Startup.h"
#include "shell/frmSkydash.h"
#include "ui/Application.h"
#include "ui/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

struct RaceLog {
    QElapsedTimer clock;
    QList<qint64> tickNs;
    int stillTicks = 0; // ticks after which a racing rocket stood on the same pixel row
    QPoint lastPos1, lastPos2;
};

void report(int race, const RaceLog &log, int intervalMs)
{
    const int ticks = int(log.tickNs.size());
    const double wallMs = log.tickNs.last() / 1e6;
    qint64 longest = log.tickNs.first();
    for (int i = 1; i < ticks; ++i)
        longest = std::max(longest, log.tickNs[i] - log.tickNs[i - 1]);
    std::printf("race %d: %d ticks, wall %.1f ms, ticks x %d ms = %d ms, ratio %.4f, longest gap %.1f ms, "
                "ticks without movement %d\n",
        race, ticks, wallMs, intervalMs, ticks * intervalMs, wallMs / (ticks * intervalMs), longest / 1e6,
        log.stillTicks);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    chooseDisplayScale(std::nullopt); // as the program does at start-up
    const int races = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    frmSkydash &launcher = ui::form<frmSkydash>();
    launcher.show();
    RaceLog log;
    int race = 0;

    auto start = [&] {
        log = RaceLog {};
        log.lastPos1 = launcher.imgRocket1()->pos();
        log.lastPos2 = launcher.imgRocket2()->pos();
        log.clock.start();
        launcher.cmdStart_Click();
    };
    // Connected after the launcher's own handler, so each entry is taken once the tick is done.
    QObject::connect(launcher.tmrSkydash(), &ui::Timer::Tick, &app, [&] {
        log.tickNs.append(log.clock.nsecsElapsed());
        if (launcher.tmrSkydash()->Enabled()) {
            const QPoint p1 = launcher.imgRocket1()->pos(), p2 = launcher.imgRocket2()->pos();
            if (p1 == log.lastPos1 || p2 == log.lastPos2)
                ++log.stillTicks;
            log.lastPos1 = p1;
            log.lastPos2 = p2;
            return;
        }
        report(++race, log, launcher.tmrSkydash()->Interval());
        if (race < races)
            QTimer::singleShot(200, &app, start);
        else
            QTimer::singleShot(0, &app, [] { ui::Program::terminateProcess(); });
    });
    QTimer::singleShot(500, &app, start);
    return app.exec();
}
