// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the board (it opens maximized) at a display scale, the one given or the one the program
// would choose on this screen, and toggles full screen with F11 a number of times, timing each:
// - re-layout: from the moment the window's new geometry reaches the program (the Resize of
//   its native window, which the window manager answers with) until the board's client area
//   has been painted at that size and the frame handed to the X server;
// - toggle: from the F11 key event to the same moment, so with the window manager's round trip.
// Each toggle prints one line; the last line, for scripts, gives the medians and the maxima:
// "relayout_median MS relayout_max MS toggle_median MS toggle_max MS scale S".
//
//   DISPLAY=:71 build/bench/bench_relayout_timing -platform xcb [scale|auto] [toggles]
#include "board/frmBrookhop.h"
#include "shell/Startup.h"
#include "ui/Application.h"
#include "ui/DisplayScale.h"
#include "ui/FormView.h"
#include "ui/Geometry.h"
#include "ui/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

struct Toggle {
    qint64 keyNs = -1; // the F11 key event is sent
    qint64 geometryNs = -1; // the native window's first Resize after it
    qint64 paintedNs = -1; // the client area painted at the expected size, the frame flushed
    int resizes = 0;
    const char *paintedIn = ""; // the native window's event that painted
    int laterPaints = 0; // client paints after that, until the next toggle
};

// Watches the board's native window and its client area. The native window's own handlers are
// run from here, so that "painted" is taken once the repaint and the flush that follow a
// geometry change have returned, not when the first widget's paint begins.
class Watch : public QObject {
public:
    Watch(ui::FormView *view, QElapsedTimer &clock)
        : m_view(view)
        , m_clock(clock)
    {
    }
    Toggle current;
    QSize expected; // the view's size the toggle ends with
    bool armed = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_view->client() && event->type() == QEvent::Paint) {
            m_clientPainted = true;
            if (!armed && current.paintedNs >= 0)
                ++current.laterPaints;
        }
        if (!armed || watched != m_view->windowHandle())
            return false;
        const QEvent::Type type = event->type();
        if (type != QEvent::Resize && type != QEvent::Expose && type != QEvent::UpdateRequest)
            return false;
        if (type == QEvent::Resize) {
            ++current.resizes;
            if (current.geometryNs < 0)
                current.geometryNs = m_clock.nsecsElapsed();
        }
        m_clientPainted = false;
        static_cast<QObject *>(watched)->event(event);
        if (m_clientPainted && current.geometryNs >= 0 && m_view->size() == expected
            && m_view->client()->size() != m_clientSizeBefore) {
            current.paintedNs = m_clock.nsecsElapsed();
            current.paintedIn = type == QEvent::Resize ? "resize"
                : type == QEvent::Expose               ? "expose"
                                                       : "update request";
            armed = false;
        }
        return true;
    }

public:
    void arm(const QSize &viewSize)
    {
        current = Toggle {};
        expected = viewSize;
        m_clientSizeBefore = m_view->client()->size();
        armed = true;
    }

private:
    ui::FormView *m_view;
    QElapsedTimer &m_clock;
    QSize m_clientSizeBefore;
    bool m_clientPainted = false;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Processes events until done() holds or the time is up; false when it is up.
template <typename Done> bool waitFor(Done done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void settle(int ms)
{
    waitFor([] { return false; }, ms);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    std::optional<double> scale;
    if (argc > 1 && std::strcmp(argv[1], "auto") != 0) {
        scale = ui::readOfferedScale(argv[1]);
        if (!scale) {
            std::fprintf(stderr, "the scale is a factor from 1 to 4, or auto\n");
            return 2;
        }
    }
    const int toggles = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    chooseDisplayScale(scale); // as the program does at start-up

    frmBrookhop &board = ui::form<frmBrookhop>();
    board.show();
    ui::FormView *view = board.view();
    QElapsedTimer clock;
    clock.start();
    Watch watch(view, clock);
    app.installEventFilter(&watch);
    // Shown, maximized by the window manager and painted; then nothing more comes for a while.
    if (!waitFor(
            [&] { return view->isVisible() && view->isMaximized() && view->windowHandle()->isExposed(); }, 10000)) {
        std::fprintf(stderr, "the board did not open maximized\n");
        return 1;
    }
    settle(1500);
    const QSize maximized = view->size();
    const QSize fullScreen = view->screen()->geometry().size();
    std::printf("scale %.2f: maximized %dx%d, full screen %dx%d\n", ui::displayScale(), maximized.width(),
        maximized.height(), fullScreen.width(), fullScreen.height());

    std::vector<double> relayout, toggle;
    for (int i = 0; i < toggles; ++i) {
        const bool toFullScreen = !view->isFullScreen();
        watch.arm(toFullScreen ? fullScreen : maximized);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
        watch.current.keyNs = clock.nsecsElapsed();
        QCoreApplication::sendEvent(view, &press);
        if (!waitFor([&] { return !watch.armed; }, 5000)) {
            std::fprintf(stderr, "toggle %d: the board did not reach %dx%d (it is %dx%d)\n", i + 1,
                watch.expected.width(), watch.expected.height(), view->width(), view->height());
            return 1;
        }
        const Toggle &t = watch.current;
        relayout.push_back(double(t.paintedNs - t.geometryNs) / 1e6);
        toggle.push_back(double(t.paintedNs - t.keyNs) / 1e6);
        settle(300); // the window manager's late configure events, if any, are not the next toggle's
        std::printf("toggle %d to %s: re-layout %.2f ms, key to painted %.2f ms, %d resize(s), painted in the %s, "
                    "%d later paint(s)\n",
            i + 1, toFullScreen ? "full screen" : "maximized", relayout.back(), toggle.back(), t.resizes, t.paintedIn,
            t.laterPaints);
        std::fflush(stdout);
    }
    std::printf("relayout_median %.2f relayout_max %.2f toggle_median %.2f toggle_max %.2f scale %.2f\n",
        median(relayout), *std::max_element(relayout.begin(), relayout.end()), median(toggle),
        *std::max_element(toggle.begin(), toggle.end()), ui::displayScale());
    std::fflush(stdout);
    ui::Program::terminateProcess();
    return 0;
}
