// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GlidePacer.h"

#include "shell/SplashRules.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// Short enough to keep the glide smooth, long enough that the thread mostly sleeps.
constexpr int wakeMs = 4;

} // namespace

void ClockPacer::start()
{
    m_clock.start();
    m_granted = 0;
}

int ClockPacer::waitForSteps()
{
    for (;;) {
        const long long due = glideStepsDue(m_clock.elapsed()) - m_granted;
        if (due > 0) {
            m_granted += due;
            return int(due);
        }
        QEventLoop wait;
        QTimer::singleShot(wakeMs, Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec();
    }
}
