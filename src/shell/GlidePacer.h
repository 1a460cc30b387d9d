// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QElapsedTimer>

// How the exit glide of a splash window is paced. The glide asks for the steps that are due,
// takes them one by one (letting pending events run before each), and asks again until the
// window is off the screen. The program paces by the clock; tests hand out steps at once.
class GlidePacer {
public:
    virtual ~GlidePacer() = default;
    virtual void start() = 0;
    // Waits until at least one step is due, letting events run meanwhile; returns how many.
    virtual int waitForSteps() = 0;
};

// Paces the glide by elapsed time: between steps that are not yet due the thread waits in the
// event loop, so the window repaints, input is handled and the core is not kept busy.
class ClockPacer : public GlidePacer {
public:
    void start() override;
    int waitForSteps() override;

private:
    QElapsedTimer m_clock;
    long long m_granted = 0;
};
