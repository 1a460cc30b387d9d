// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Program.h"

#include "ui/FormView.h"
#include "ui/OutsideDestruction.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace ui {

Lifecycle &Lifecycle::instance()
{
    return Program::instance();
}

Program &Program::instance()
{
    // Never destroyed: windows live for the whole run and the process ends through end().
    static Program *program = new Program;
    return *program;
}

Program::Program()
    : m_terminator(&Program::terminateProcess)
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::focusWindowChanged, this, &Program::onFocusWindowChanged);
        app->installEventFilter(this);
        static OutsideDestructionFilter outsideDestruction(
            [](QWidget *window) { Program::instance().windowDestroyedFromOutside(window); });
        app->installNativeEventFilter(&outsideDestruction);
    }
}

void Program::terminateProcess()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    std::fflush(nullptr);
    // Nothing more runs: not the rest of the handler that ended the program, nor any handler
    // waiting further up the stack in a nested modal show, nor the toolkit's static
    // destructors, which could wait on its own threads while the application still exists.
    std::_Exit(0);
}

void Program::end()
{
    if (m_ended)
        return;
    m_ended = true;
    // An open pop-up menu runs a loop of its own; it closes with the program.
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    for (const auto &entry : m_forms) {
        entry.second->abandonModalWaits();
        if (QWidget *view = entry.second->existingView())
            view->hide();
    }
    if (m_terminator)
        m_terminator();
}

void Program::resetForTests()
{
    for (const auto &entry : m_forms)
        entry.second->discardView();
    m_forms.clear();
    m_loaded.clear();
    m_recentlyActive.clear();
    m_layerActivations.clear();
    m_active = nullptr;
    m_ended = false;
    for (const QPointer<QWidget> &view : std::as_const(m_graveyard))
        delete view.data();
    m_graveyard.clear();
    m_toRelease.clear();
}

void Program::formLoaded(Form *form)
{
    m_loaded.removeAll(form);
    m_loaded.append(form);
}

void Program::formUnloaded(Form *form)
{
    m_loaded.removeAll(form);
    formHidden(form);
    m_recentlyActive.removeAll(form);
    m_layerActivations.removeIf([form](const LayerActivation &a) { return a.form == form; });
}

void Program::formShown(Form *form)
{
    layerActivated(form);
    setActive(form);
}

namespace {
// Long enough for a window manager's late reports, short against a person's return.
constexpr qint64 settlingMs = 750;
} // namespace

void Program::layerActivated(Form *form)
{
    m_layerActivations.removeIf([](const LayerActivation &a) { return a.since.elapsed() >= settlingMs; });
    m_layerActivations.removeIf([form](const LayerActivation &a) { return a.form == form; });
    LayerActivation activation { form, {} };
    activation.since.start();
    m_layerActivations.append(activation);
}

bool Program::activatedByLayerJustNow(Form *form) const
{
    for (const LayerActivation &a : m_layerActivations) {
        if (a.form == form && a.since.elapsed() < settlingMs)
            return true;
    }
    return false;
}

bool Program::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::NonClientAreaMouseButtonPress:
        m_layerActivations.clear();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Program::formHidden(Form *form)
{
    if (m_active != form)
        return;
    // Activation passes to the window the user saw last, without waiting for a window
    // manager to choose (there may be none).
    m_active = nullptr;
    for (Form *candidate : std::as_const(m_recentlyActive)) {
        if (candidate != form && candidate->isLoaded() && candidate->isVisible()) {
            layerActivated(candidate);
            setActive(candidate);
            if (QWidget *v = candidate->existingView())
                v->activateWindow();
            return;
        }
    }
}

void Program::setActive(Form *form)
{
    if (form == m_active || m_ended)
        return;
    m_active = form;
    if (!form)
        return;
    m_recentlyActive.removeAll(form);
    m_recentlyActive.prepend(form);
    HandlerScope scope;
    form->activated();
}

Form *Program::formOfWindow(QWindow *window) const
{
    if (!window)
        return nullptr;
    for (Form *form : m_loaded) {
        QWidget *view = form->existingView();
        if (view && view->windowHandle() == window)
            return form;
    }
    return nullptr;
}

void Program::onFocusWindowChanged(QWindow *window)
{
    // Message boxes, input boxes and pop-up menus are not windows of the program: focus moving
    // to them and back leaves the active window as it was.
    Form *form = formOfWindow(window);
    if (!form || !form->isVisible())
        return;
    if (form != m_active && activatedByLayerJustNow(form))
        return;
    setActive(form);
}

void Program::bury(QWidget *view)
{
    if (!view)
        return;
    m_graveyard.append(view);
    if (m_handlerDepth == 0)
        leaveHandler();
}

void Program::windowDestroyedFromOutside(QWidget *window)
{
    auto *view = qobject_cast<FormView *>(window);
    auto *box = qobject_cast<QDialog *>(window);
    if (m_ended || !window || !window->isWindow() || (!view && !box) || !window->isVisible())
        return;
    QPointer<QWidget> guard = window;
    HandlerScope scope;
    if (box) {
        // A box gives the answer it gives to Esc, and its modal wait ends; it is never shown
        // again, so its dead native window is only let go of (a last request to the server
        // about it is harmless).
        box->close();
        if (guard && box->isVisible())
            box->reject();
        if (QWindow *native = guard ? guard->windowHandle() : nullptr)
            native->destroy();
        return;
    }
    // A window lets go of its dead native window first, so that nothing more is asked of it.
    view->nativeWindowLost();
    view->close(); // its close box
    if (m_ended || !guard || !view->form()->isLoaded() || view->form()->existingView() != view)
        return;
    // Still loaded (no close box, or its unload was cancelled): shown on a new native window.
    view->hide();
    view->show();
    view->raise();
    view->activateWindow();
}

void Program::releaseWhenIdle(FormView *view)
{
    if (!view || m_toRelease.contains(view))
        return;
    m_toRelease.append(view);
    queueRelease();
}

void Program::queueRelease()
{
    // Never from inside an event of the window: the toolkit may still be delivering it.
    if (m_releaseQueued || m_toRelease.isEmpty())
        return;
    m_releaseQueued = true;
    QTimer::singleShot(0, this, &Program::releaseHiddenViews);
}

void Program::releaseHiddenViews()
{
    m_releaseQueued = false;
    if (m_handlerDepth > 0)
        return; // queued again when the outermost handler returns
    const auto views = std::exchange(m_toRelease, {});
    for (const QPointer<FormView> &view : views) {
        if (view)
            view->releaseNativeWindow();
    }
}

void Program::leaveHandler()
{
    if (m_handlerDepth > 0)
        --m_handlerDepth;
    if (m_handlerDepth == 0)
        queueRelease();
    if (m_handlerDepth > 0 || m_graveyard.isEmpty())
        return;
    const auto graves = std::exchange(m_graveyard, {});
    for (const QPointer<QWidget> &view : graves) {
        if (view)
            view->deleteLater();
    }
}

} // namespace ui
