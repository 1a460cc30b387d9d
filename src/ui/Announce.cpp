// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Announce.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>
#include <vector>

namespace ui {

// A stand-in that is only ever heard.
class Speaker : public QWidget {
    Q_OBJECT
public:
    explicit Speaker(QWidget *window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("playhavenSpeaker"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        show();
    }
};

namespace {

constexpr const char *turnProperty = "playhavenSpeakerTurn";

struct Pending {
    QPointer<QWidget> window;
    QString text;
};

struct State {
    QString last;
    bool fresh = false;
    std::vector<Pending> pending;
    QMetaObject::Connection activeWatch;
    // The control that carries a text as its description while it has the focus.
    QPointer<QWidget> describing;
    QString ownDescription;
    QMetaObject::Connection focusWatch;
};

State &state()
{
    static State s;
    return s;
}

void toToolkit(QAccessibleEvent *event)
{
    QAccessible::updateAccessibility(event);
}

FocusReport g_report = toToolkit;

Speaker *nextSpeaker(QWidget *window)
{
    QList<Speaker *> speakers = window->findChildren<Speaker *>(QString(), Qt::FindDirectChildrenOnly);
    while (speakers.size() < 2)
        speakers << new Speaker(window);
    const int turn = window->property(turnProperty).toInt();
    window->setProperty(turnProperty, 1 - turn);
    return speakers.at(turn);
}

void speak(QWidget *window, const QString &text)
{
    Speaker *speaker = nextSpeaker(window);
    speaker->setAccessibleName(text);
    QAccessibleEvent focus(speaker, QAccessible::Focus);
    g_report(&focus);
}

// Says what waits for the window that is active now; what waits for a window that has been
// hidden meanwhile is dropped.
void flush()
{
    State &s = state();
    std::vector<Pending> waiting;
    for (Pending &p : s.pending) {
        if (!p.window || !p.window->isVisible())
            continue;
        if (p.window == QApplication::activeWindow())
            speak(p.window, p.text);
        else
            waiting.push_back(std::move(p));
    }
    s.pending = std::move(waiting);
    if (s.pending.empty())
        QObject::disconnect(s.activeWatch);
}

void restoreDescription()
{
    State &s = state();
    QObject::disconnect(s.focusWatch);
    if (s.describing)
        s.describing->setAccessibleDescription(s.ownDescription);
    s.describing = nullptr;
    s.ownDescription.clear();
}

void remember(const QString &text)
{
    State &s = state();
    s.last = text;
    if (!s.fresh)
        QTimer::singleShot(0, qApp, [] { state().fresh = false; });
    s.fresh = true;
}

} // namespace

void announce(const QString &text)
{
    State &s = state();
    remember(text);
    QWidget *at = QApplication::focusWidget();
    QWidget *window = at ? at->window() : QApplication::activeWindow();
    if (!window)
        return;
    s.pending.push_back({ window, text });
    if (window == QApplication::activeWindow()) {
        flush();
        return;
    }
    // The window gets the focus back from a closing message box later: the control it returns
    // to is read first, then the text.
    if (!s.activeWatch)
        s.activeWatch
            = QObject::connect(qApp, &QApplication::focusChanged, qApp, [] { QTimer::singleShot(0, qApp, flush); });
}

void focusAndAnnounce(QWidget *to, const QString &text)
{
    if (to->hasFocus() || !to->isVisible() || !to->isEnabled()) {
        announce(text);
        return;
    }
    State &s = state();
    remember(text);
    restoreDescription();
    s.describing = to;
    s.ownDescription = to->accessibleDescription();
    to->setAccessibleDescription(text);
    to->setFocus(Qt::TabFocusReason);
    // Once the focus has moved on, the control says what it is again; later, so that the
    // screen reader has read the control the focus came to first.
    s.focusWatch = QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *old, QWidget *) {
        QPointer<QWidget> left = old;
        if (old && old == state().describing)
            QTimer::singleShot(0, qApp, [left] {
                if (left && left == state().describing && !left->hasFocus())
                    restoreDescription();
            });
    });
}

QString lastAnnouncement()
{
    return state().last;
}

QString justAnnounced()
{
    return state().fresh ? state().last : QString();
}

FocusReport reportFocusTo(FocusReport sink)
{
    return std::exchange(g_report, sink ? sink : toToolkit);
}

} // namespace ui

#include "Announce.moc"
