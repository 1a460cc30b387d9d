// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Timer.h"

#include "ui/BuildContext.h"

namespace ui {

Timer *Timer::create(BuildContext &context, const ControlDesign &row)
{
    auto *t = new Timer(context.owner());
    t->setObjectName(row.name);
    t->setInterval(row.intervalMs);
    t->setEnabled(row.isEnabled);
    return t;
}

Timer::Timer(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::Tick);
}

void Timer::setInterval(int ms)
{
    m_timer.setInterval(ms);
    apply();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void Timer::apply()
{
    // Enabling restarts the count; an interval of 0 means the timer does not fire.
    if (m_enabled && m_timer.interval() > 0)
        m_timer.start();
    else
        m_timer.stop();
}

} // namespace ui
