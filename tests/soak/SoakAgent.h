// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "RandomDialogs.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <random>
#include <vector>

class QWidget;

// Plays the whole program at random, one user action per step, chosen from what a person can
// do at that moment: clicks on visible enabled controls and menu items, drags of pictures
// onto anything, typing, close boxes, keys, and timer ticks. Steps are driven by a timer, so
// they go on inside nested modal loops as a user's clicks would. After every step each
// invariant is checked; the first broken one stops the run with its seed and step.
class SoakAgent : public QObject {
    Q_OBJECT
public:
    using Invariant = std::function<QString()>; // empty when it holds
    struct Options {
        quint64 seed = 1;
        long steps = 10000;
        double seconds = 60;
        bool verbose = false;
    };

    SoakAgent(const Options &options, std::function<void()> start, std::vector<Invariant> invariants);
    void run();
    // Actions that end the program are taken rarely, so runs get deep into the games.
    void setEndsRun(std::function<bool(const QString &)> endsRun) { m_endsRun = std::move(endsRun); }
    // A drop target a player would aim for (for example the stone of the latest spin), used for
    // half of the drags so that games reach their end; nullptr when there is none.
    void setAimedDropTarget(std::function<QWidget *()> aim) { m_aim = std::move(aim); }
    // While this says so (a splash window gliding away), most steps let the program run alone:
    // a glide lets events run between its many small moves, and a step at each would spend
    // the whole budget there.
    void setQuiet(std::function<bool()> quiet) { m_quiet = std::move(quiet); }
    // Decides from the last action whether it may end the program.
    void setEndAllowed(std::function<bool(const QString &)> allowed) { m_endAllowed = std::move(allowed); }
    long stepsDone() const { return m_steps; }
    long runsDone() const { return m_runs; }
    long endsSeen() const { return m_ends; }
    const RandomDialogs &dialogs() const { return m_dialogs; }

private:
    void scheduleStep();
    void step();
    bool act();
    void restartIfEnded();
    void check(const char *what);
    QWidget *modalWindow() const;
    bool reachable(QWidget *w) const;
    bool clickSomething();
    bool clickAgain();
    bool dragSomething();
    bool typeSomething();
    bool tickSomeTimer();
    bool triggerSomeMenu();
    bool closeSomeWindow();
    bool pressSomeKey();
    template <class T> T *pick(const std::vector<T *> &items)
    {
        return items.empty() ? nullptr : items[m_rng() % items.size()];
    }

    Options m_options;
    std::mt19937 m_rng;
    RandomDialogs m_dialogs;
    std::function<void()> m_start;
    std::vector<Invariant> m_invariants;
    bool m_stopped = false;
    QElapsedTimer m_clock;
    long m_steps = 0;
    long m_runs = 0;
    long m_ends = 0;
    bool m_ended = false;
    QString m_lastAction;
    QPointer<QWidget> m_streak; // the button being pressed over and over
    int m_streakLeft = 0;
    std::function<bool(const QString &)> m_endAllowed;
    std::function<bool(const QString &)> m_endsRun;
    std::function<QWidget *()> m_aim;
    std::function<bool()> m_quiet;
    bool reluctant(const QString &action);
};
