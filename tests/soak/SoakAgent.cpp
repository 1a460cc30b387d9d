// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoakAgent.h"

#include "ui/Drag.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Random.h"
#include "ui/Timer.h"
#include "ui/Vocabulary.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <cstdio>
#include <cstdlib>

SoakAgent::SoakAgent(const Options &options, std::function<void()> start, std::vector<Invariant> invariants)
    : m_options(options)
    , m_rng(std::uint32_t(options.seed))
    , m_dialogs(m_rng)
    , m_start(std::move(start))
    , m_invariants(std::move(invariants))
{
}

void SoakAgent::run()
{
    ui::setDialogs(&m_dialogs);
    ui::setClockSeeding(false);
    ui::seedRandom(m_options.seed);
    ui::Program::instance().setTerminator([this] {
        ++m_ends;
        m_ended = true;
        if (m_endAllowed && !m_endAllowed(m_lastAction)) {
            std::fprintf(stderr, "soak: the program ended after step %ld (%s), seed %llu, which must not end it\n",
                m_steps, qPrintable(m_lastAction), static_cast<unsigned long long>(m_options.seed));
            std::abort();
        }
    });
    m_clock.start();
    ++m_runs;
    m_start();
    check("start");
    scheduleStep();
    QApplication::exec();
    m_stopped = true;
}

void SoakAgent::scheduleStep()
{
    // A fresh timer for every step: a step that opens a modal window waits inside its own
    // nested loop, and the next steps must run there, as a user's next clicks would.
    if (!m_stopped)
        QTimer::singleShot(0, this, &SoakAgent::step);
}

void SoakAgent::step()
{
    scheduleStep();
    const bool outOfBudget = m_steps >= m_options.steps || m_clock.elapsed() > m_options.seconds * 1000;
    if (outOfBudget) {
        // Let every nested loop unwind through the program's own end, then stop.
        if (!ui::Ended()) {
            m_endAllowed = nullptr;
            ui::End();
        }
        if (ui::Program::instance().handlerDepth() == 0)
            QApplication::exit(0);
        return;
    }
    if (m_ended) {
        restartIfEnded();
        return;
    }
    if (m_quiet && m_quiet() && m_rng() % 50 != 0)
        return;
    ++m_steps;
    if (!act())
        m_lastAction = QStringLiteral("(nothing to do)");
    check(qPrintable(m_lastAction));
}

void SoakAgent::restartIfEnded()
{
    // A new run starts only when every handler of the last one has returned.
    if (ui::Program::instance().handlerDepth() != 0)
        return;
    ui::Program::instance().resetForTests();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_ended = false;
    ++m_runs;
    m_start();
    check("restart");
}

void SoakAgent::check(const char *what)
{
    if (m_ended)
        return;
    for (const Invariant &invariant : m_invariants) {
        const QString broken = invariant();
        if (!broken.isEmpty()) {
            std::fprintf(stderr, "soak: invariant broken after step %ld (%s), seed %llu: %s\n", m_steps, what,
                static_cast<unsigned long long>(m_options.seed), qPrintable(broken));
            std::fflush(stderr);
            std::abort();
        }
    }
    if (m_options.verbose)
        std::fprintf(stderr, "%ld %s\n", m_steps, what);
}

QWidget *SoakAgent::modalWindow() const
{
    return QApplication::activeModalWidget();
}

bool SoakAgent::reachable(QWidget *w) const
{
    // Input goes only to visible, enabled controls of visible windows, and only to the modal
    // window while one is open.
    if (!w || !w->isVisible() || !w->isEnabled())
        return false;
    QWidget *modal = modalWindow();
    return !modal || w->window() == modal;
}

bool SoakAgent::act()
{
    // An open pop-up menu takes all input: choose one of its items or dismiss it.
    if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        QList<QAction *> items;
        for (QAction *a : popup->actions()) {
            if (a->isVisible() && a->isEnabled() && !a->isSeparator())
                items << a;
        }
        if (!items.isEmpty() && m_rng() % 2 == 0) {
            QAction *a = items[int(m_rng() % items.size())];
            m_lastAction = QStringLiteral("pop-up item %1").arg(a->objectName());
            QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, popup->actionGeometry(a).center());
        } else {
            m_lastAction = QStringLiteral("pop-up dismissed");
            QTest::keyClick(popup, Qt::Key_Escape);
        }
        return true;
    }
    if (m_streakLeft > 0 && clickAgain())
        return true;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const unsigned kind = m_rng() % 100;
        bool done = false;
        if (kind < 45)
            done = clickSomething();
        else if (kind < 60)
            done = tickSomeTimer();
        else if (kind < 72)
            done = dragSomething();
        else if (kind < 82)
            done = triggerSomeMenu();
        else if (kind < 90)
            done = typeSomething();
        else if (kind < 95)
            done = pressSomeKey();
        else
            done = closeSomeWindow();
        if (done)
            return true;
    }
    return false;
}

static std::vector<QWidget *> controlsOfVisibleWindows()
{
    std::vector<QWidget *> result;
    for (ui::Form *form : ui::Program::instance().loadedForms()) {
        QWidget *view = form->existingView();
        if (!view || !view->isVisible())
            continue;
        for (QWidget *w : view->findChildren<QWidget *>()) {
            if (ui::controlOf(w))
                result.push_back(w);
        }
    }
    return result;
}

bool SoakAgent::reluctant(const QString &action)
{
    return m_endsRun && m_endsRun(action) && m_rng() % 40 != 0;
}

bool SoakAgent::clickSomething()
{
    // A player mostly presses the buttons of the window in front of them; labels and pictures
    // get the odd click too.
    std::vector<QWidget *> candidates;
    QWidget *front = nullptr;
    if (ui::Form *active = ui::Program::instance().activeForm())
        front = active->existingView();
    for (QWidget *w : controlsOfVisibleWindows()) {
        if (!reachable(w) || qobject_cast<ui::Line *>(w) || qobject_cast<ui::StatusBar *>(w))
            continue;
        int weight = qobject_cast<QAbstractButton *>(w) || qobject_cast<ui::ToolBar *>(w) ? 4 : 1;
        if (w->window() == front)
            weight *= 3;
        for (int i = 0; i < weight; ++i)
            candidates.push_back(w);
    }
    QWidget *w = pick(candidates);
    if (!w || reluctant(QStringLiteral("click %1 on %2").arg(w->objectName(), w->window()->objectName())))
        return false;
    m_lastAction = QStringLiteral("click %1").arg(w->objectName());
    if (auto *tb = qobject_cast<ui::ToolBar *>(w)) {
        const QStringList keys = tb->keys();
        if (keys.isEmpty())
            return false;
        const QString key = keys[int(m_rng() % keys.size())];
        m_lastAction = QStringLiteral("toolbar %1").arg(key);
        tb->button(key)->trigger();
        return true;
    }
    const QPoint at(int(m_rng() % std::max(1, w->width())), int(m_rng() % std::max(1, w->height())));
    const Qt::MouseButton button = (m_rng() % 5 == 0) ? Qt::RightButton : Qt::LeftButton;
    if (qobject_cast<QAbstractButton *>(w) && m_rng() % 6 == 0) {
        m_streak = w;
        m_streakLeft = 3 + int(m_rng() % 28);
    }
    QTest::mouseClick(w, button, Qt::NoModifier, at);
    return true;
}

// Children press the same button again and again (Spin above all): a streak reaches what a
// run of single random clicks seldom does, such as the end of a limit of ten spins.
bool SoakAgent::clickAgain()
{
    --m_streakLeft;
    QWidget *w = m_streak;
    if (!w || !reachable(w)
        || reluctant(QStringLiteral("click %1 on %2").arg(w->objectName(), w->window()->objectName()))) {
        m_streakLeft = 0;
        return false;
    }
    m_lastAction = QStringLiteral("click %1 again").arg(w->objectName());
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    return true;
}

bool SoakAgent::dragSomething()
{
    std::vector<ui::Image *> sources;
    std::vector<QWidget *> targets;
    for (QWidget *w : controlsOfVisibleWindows()) {
        auto *image = qobject_cast<ui::Image *>(w);
        if (image && image->AutomaticDrag() && reachable(image))
            sources.push_back(image);
        if (reachable(w))
            targets.push_back(w);
    }
    ui::Image *source = pick(sources);
    QWidget *target = pick(targets);
    if (m_aim && m_rng() % 2 == 0) {
        if (QWidget *aimed = m_aim(); aimed && reachable(aimed))
            target = aimed;
    }
    if (!source || !target)
        return false;
    m_lastAction = QStringLiteral("drag %1 to %2").arg(source->objectName(), target->objectName());
    QMimeData *mime = ui::dragPayload(source);
    if (m_rng() % 10 == 0) { // something dragged in from another program
        delete mime;
        mime = new QMimeData;
        mime->setText(QStringLiteral("a file"));
    }
    const QPoint at(int(m_rng() % std::max(1, target->width())), int(m_rng() % std::max(1, target->height())));
    // Like the platform: the drop goes to the nearest widget that takes drops.
    QWidget *receiver = target;
    while (receiver && !receiver->acceptDrops() && !receiver->isWindow())
        receiver = receiver->parentWidget();
    if (receiver && receiver->acceptDrops()) {
        ui::HandlerScope scope; // as inside the drag's own loop
        const ui::DragInProgress dragging(source);
        const QPoint p = target->mapTo(receiver, at);
        QDragEnterEvent enter(p, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &enter);
        if (enter.isAccepted()) {
            QDropEvent drop(p, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(receiver, &drop);
        }
    }
    delete mime;
    return true;
}

bool SoakAgent::typeSomething()
{
    std::vector<ui::TextBox *> boxes;
    for (QWidget *w : controlsOfVisibleWindows()) {
        if (auto *t = qobject_cast<ui::TextBox *>(w); t && reachable(t))
            boxes.push_back(t);
    }
    ui::TextBox *box = pick(boxes);
    if (!box)
        return false;
    static const QStringList words = { QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral(" ann"),
        QStringLiteral("x"), QStringLiteral("\u00e9l\u00e8ve") };
    box->setFocus();
    switch (m_rng() % 3) {
    case 0:
        m_lastAction = QStringLiteral("clear %1").arg(box->objectName());
        box->clear();
        break;
    case 1:
        m_lastAction = QStringLiteral("backspace %1").arg(box->objectName());
        QTest::keyClick(box, Qt::Key_Backspace);
        break;
    default:
        m_lastAction = QStringLiteral("type into %1").arg(box->objectName());
        const QString word = words[int(m_rng() % words.size())];
        bool ascii = true;
        for (QChar c : word)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(box, word);
        else
            box->insert(word); // as an input method would

        break;
    }
    return true;
}

bool SoakAgent::tickSomeTimer()
{
    std::vector<ui::Timer *> timers;
    for (ui::Form *form : ui::Program::instance().loadedForms()) {
        if (QWidget *view = form->existingView()) {
            for (ui::Timer *t : view->findChildren<ui::Timer *>()) {
                if (t->Enabled())
                    timers.push_back(t);
            }
        }
    }
    ui::Timer *t = pick(timers);
    if (!t)
        return false;
    // Timers run many ticks between two clicks of a person.
    const int ticks = 1 + int(m_rng() % 60);
    m_lastAction = QStringLiteral("%1 ticks of %2").arg(ticks).arg(t->objectName());
    QPointer<ui::Timer> alive(t);
    for (int i = 0; i < ticks && alive && alive->Enabled() && !m_ended; ++i) {
        emit alive->Tick();
        check(qPrintable(m_lastAction));
    }
    return true;
}

bool SoakAgent::triggerSomeMenu()
{
    std::vector<QAction *> actions;
    for (ui::Form *form : ui::Program::instance().loadedForms()) {
        QWidget *view = form->existingView();
        if (!view || !view->isVisible() || (modalWindow() && view != modalWindow()))
            continue;
        auto *window = qobject_cast<QMainWindow *>(view);
        if (!window || !window->menuWidget())
            continue;
        for (QAction *top : window->menuBar()->actions()) {
            if (!top->isVisible() || !top->isEnabled())
                continue;
            if (QMenu *menu = top->menu()) {
                for (QAction *item : menu->actions()) {
                    if (item->isVisible() && item->isEnabled() && !item->isSeparator())
                        actions.push_back(item);
                }
            } else {
                actions.push_back(top);
            }
        }
    }
    QAction *action = pick(actions);
    if (!action || reluctant(QStringLiteral("menu %1").arg(action->objectName())))
        return false;
    m_lastAction = QStringLiteral("menu %1").arg(action->objectName());
    action->trigger();
    return true;
}

bool SoakAgent::closeSomeWindow()
{
    std::vector<QWidget *> windows;
    for (ui::Form *form : ui::Program::instance().loadedForms()) {
        QWidget *view = form->existingView();
        if (view && view->isVisible() && (!modalWindow() || view == modalWindow()))
            windows.push_back(view);
    }
    QWidget *w = pick(windows);
    if (!w || reluctant(QStringLiteral("close box of %1").arg(w->objectName())))
        return false;
    m_lastAction = QStringLiteral("close box of %1").arg(w->objectName());
    w->close();
    return true;
}

bool SoakAgent::pressSomeKey()
{
    QWidget *w = modalWindow();
    if (!w) {
        ui::Form *active = ui::Program::instance().activeForm();
        w = active && active->isVisible() ? active->existingView() : nullptr;
    }
    if (!w)
        return false;
    static const Qt::Key keys[] = { Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space, Qt::Key_F11 };
    const Qt::Key key = keys[m_rng() % std::size(keys)];
    m_lastAction = QStringLiteral("key %1 on %2").arg(int(key)).arg(w->objectName());
    QWidget *target = w->focusWidget() ? w->focusWidget() : w;
    if (reluctant(QStringLiteral("key %1 to %2 on %3").arg(int(key)).arg(target->objectName(), w->objectName())))
        return false;
    QTest::keyClick(target, key);
    return true;
}
