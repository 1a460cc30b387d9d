// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyboardFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

namespace ui {
namespace {

bool isFocusKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

// Keeps each window's "keyboard in use" mark, which Qt itself sets on Tab and the style reads
// for the focus rectangles it draws: set by the keys that move or use the focus, cleared by a
// click.
class InputKindWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w)
            return false;
        if (event->type() == QEvent::KeyPress && isFocusKey(static_cast<QKeyEvent *>(event)->key()))
            mark(w->window(), true);
        else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            mark(w->window(), false);
        return false;
    }

private:
    static void mark(QWidget *window, bool keyboard)
    {
        if (window->testAttribute(Qt::WA_KeyboardFocusChange) == keyboard)
            return;
        window->setAttribute(Qt::WA_KeyboardFocusChange, keyboard);
        if (QWidget *focus = window->focusWidget())
            focus->update();
    }
};

QPointer<QWidget> g_outsideMenus;

bool isMenu(const QWidget *w)
{
    return qobject_cast<const QMenuBar *>(w) || qobject_cast<const QMenu *>(w);
}

} // namespace

QWidget *focusOutsideMenus()
{
    QWidget *now = QApplication::focusWidget();
    return now && !isMenu(now) ? now : g_outsideMenus.data();
}

void followInputKind()
{
    static QPointer<InputKindWatch> watch;
    if (watch || !qApp)
        return;
    watch = new InputKindWatch(qApp);
    qApp->installEventFilter(watch);
    QObject::connect(qApp, &QApplication::focusChanged, watch, [](QWidget *, QWidget *now) {
        if (now && !isMenu(now))
            g_outsideMenus = now;
    });
}

bool usedByKeyboard(const QWidget *w)
{
    return w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

bool showsKeyboardFocus(const QWidget *w)
{
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace ui
