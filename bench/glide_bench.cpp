// Times a splash window's exit glide on the current display: wall time and the process's CPU
// time from the tick that starts the glide until the game window is shown.
//
//   Xvfb :21 -screen 0 1920x1080x24 &  DISPLAY=:21 build/bench/glide_bench [Brookhop|Spinzo]
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "ui/Application.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

int run(SplashWindow &splash, int colourTicks)
{
    splash.show();
    settle(500);
    if (auto *board = qobject_cast<frmSplashBrookhop *>(&splash))
        board->cmdGo_Click(); // the logo frame, as after "GO!"
    splash.cmdGame_Click();
    for (int i = 0; i < colourTicks; ++i)
        splash.tmrBackColorHold_Timer();
    settle(200);
    const double top = splash.Top();
    const double height = splash.Height();
    QElapsedTimer wall;
    const double cpu0 = cpuSeconds();
    wall.start();
    splash.tmrBackColorHold_Timer(); // the tick after the last colour: the glide
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;
    settle(300); // the game window is shown and the splash's controls are destroyed
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    std::printf("%s on %dx%d at %.0f dpi: start Top %.0f twips, Height %.0f twips, about %.0f steps\n",
        qPrintable(splash.name()), screen.width(), screen.height(), ui::logicalDpi(), top, height,
        (top + height) / 10 + 1);
    std::printf("glide: %.3f s wall, %.3f s CPU (%.0f%% of one core), still loaded: %s\n", seconds, cpu,
        100 * cpu / seconds, splash.isLoaded() ? "yes" : "no");
    return splash.isLoaded() ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    const bool spinzo = argc > 1 && QByteArray(argv[1]) == "Spinzo";
    const int rc = spinzo ? run(ui::form<frmSplashSpinzo>(), 30) : run(ui::form<frmSplashBrookhop>(), 40);
    std::fflush(stdout);
    std::_Exit(rc);
}
