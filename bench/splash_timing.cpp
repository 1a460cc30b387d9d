// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the board splash once on the current display, on its own timers, and times it:
// - the label slides: from tmrGo's start to its 200th tick (the last step of "Get Set!"),
//   against 2 x 100 x 50 ms;
// - the colour cycle: from "Game" to the 40th colour tick, against 40 x 500 ms;
// - the exit glide: wall time and the process's CPU time from the tick that starts it until
//   the board window has painted, and the number of steps from the centred position.
// The last line is for scripts: "slides MS colours MS glide_wall S glide_cpu S".
//
//   Xvfb :71 -screen 0 1920x1080x24 &  DISPLAY=:71 build/bench/bench_splash_timing
#include "board/frmBrookhop.h"
#include "shell/Startup.h"
#include "shell/frmSplashBrookhop.h"
#include "ui/Application.h"
#include "ui/Geometry.h"
#include "ui/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

constexpr int slideTicks = 200; // 2 labels x 100 steps
constexpr int colourTicks = 40;

// Notes the board window's first paint after the glide.
class FirstPaint : public QObject {
public:
    std::function<void()> onPaint;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && onPaint && watched == ui::form<frmBrookhop>().existingView()) {
            auto done = std::move(onPaint);
            onPaint = nullptr;
            done();
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    chooseDisplayScale(std::nullopt); // as the program does at start-up
    frmSplashBrookhop &splash = ui::form<frmSplashBrookhop>();
    QElapsedTimer clock;
    qint64 slideStart = -1, slideEnd = 0, colourStart = 0, colourEnd = 0, glideStart = 0;
    double cpuStart = 0, glideTop = 0, glideHeight = 0;
    int slides = 0, colours = 0;
    FirstPaint painted;
    app.installEventFilter(&painted);

    splash.show();
    clock.start();
    // tmrGo is switched on when the window becomes active; note the moment to the millisecond.
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (splash.tmrGo()->Enabled()) {
            slideStart = clock.nsecsElapsed();
            poll.stop();
        }
    });
    poll.start(1);

    // Connected after the window's own handlers, so each entry is taken once the tick is done.
    QObject::connect(splash.tmrGo(), &ui::Timer::Tick, &app, [&] {
        if (++slides == slideTicks)
            slideEnd = clock.nsecsElapsed();
        if (!splash.tmrGo()->Enabled()) // "GO!" is shown
            QTimer::singleShot(300, &app, [&] {
                splash.cmdGo_Click();
                colourStart = clock.nsecsElapsed();
                splash.cmdGame_Click();
            });
    });
    QObject::connect(splash.tmrBackColorHold(), &ui::Timer::Tick, &app, [&] {
        if (++colours != colourTicks)
            return;
        colourEnd = clock.nsecsElapsed();
        // The next tick starts the glide; it is given by hand so that the clocks start with it.
        splash.tmrBackColorHold()->setEnabled(false);
        QTimer::singleShot(500, &app, [&] {
            glideTop = splash.Top();
            glideHeight = splash.Height();
            painted.onPaint = [&] {
                const double wall = double(clock.nsecsElapsed() - glideStart) / 1e9;
                const double cpu = cpuSeconds() - cpuStart;
                const QRect screen = QGuiApplication::primaryScreen()->geometry();
                std::printf("slides: %d ticks in %.1f ms, nominal %d ms\n", slideTicks,
                    double(slideEnd - slideStart) / 1e6, slideTicks * 50);
                std::printf("colours: %d ticks in %.1f ms, nominal %d ms\n", colourTicks,
                    double(colourEnd - colourStart) / 1e6, colourTicks * 500);
                std::printf("glide on %dx%d from Top %.0f twips, Height %.0f twips (%.0f steps): %.3f s wall, "
                            "%.3f s CPU\n",
                    screen.width(), screen.height(), glideTop, glideHeight, (glideTop + glideHeight) / 10 + 1, wall,
                    cpu);
                std::printf("slides %.1f colours %.1f glide_wall %.3f glide_cpu %.3f\n",
                    double(slideEnd - slideStart) / 1e6, double(colourEnd - colourStart) / 1e6, wall, cpu);
                std::fflush(stdout);
                QTimer::singleShot(0, &app, [] { ui::Program::terminateProcess(); });
            };
            cpuStart = cpuSeconds();
            glideStart = clock.nsecsElapsed();
            splash.tmrBackColorHold_Timer(); // glide, unload, show the board
        });
    });
    return app.exec();
}
