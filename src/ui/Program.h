// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Form.h"
#include "ui/Lifecycle.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>

class QWidget;
class QWindow;

namespace ui {

// The program as the windows see it: the single instance of every window, the collection of
// loaded windows, which window is active, and the end of the program.
//
// Views of unloaded windows are not deleted while any handler is still running (a handler may
// unload its own window, or a nested loop may unload it under a waiting handler); they wait in
// a graveyard until the outermost handler has returned.
class Program : public QObject, public Lifecycle {
    Q_OBJECT
public:
    static Program &instance();

    template <class F> F &form()
    {
        auto &slot = m_forms[std::type_index(typeid(F))];
        if (!slot)
            slot = std::make_unique<F>();
        return static_cast<F &>(*slot);
    }

    // Windows in the order they were loaded.
    QList<Form *> loadedForms() const { return m_loaded; }

    // Stops the program at once. In the program this terminates the process; tests install a
    // terminator that only records, and then every modal wait returns "ended" and every window
    // operation does nothing.
    void end();
    bool ended() const override { return m_ended; }
    using Terminator = std::function<void()>;
    void setTerminator(Terminator terminator) { m_terminator = std::move(terminator); }
    static void terminateProcess();

    Form *activeForm() const { return m_active; }

    // Tests: forget every window (their variables too) and start again as a new run.
    void resetForTests();

    // What the windows tell the program.
    void formLoaded(Form *form) override;
    void formUnloaded(Form *form) override;
    void formShown(Form *form) override;
    void formHidden(Form *form) override;
    void bury(QWidget *view) override;
    // A window of the program (a window or a box) whose native window was destroyed from
    // outside, as a window manager's force close does: it counts as its close box, so the
    // program goes on or ends as it would then; a window that refuses to close gets a new one.
    void windowDestroyedFromOutside(QWidget *window);
    // A hidden window gives back its native window and its back buffer (as large as the
    // window: 8 MB when maximized on a full-HD screen) once no handler runs; showing it again
    // makes new ones.
    void releaseWhenIdle(FormView *view) override;
    void enterHandler() override { ++m_handlerDepth; }
    void leaveHandler() override;
    int handlerDepth() const { return m_handlerDepth; }

private:
    Program();
    void setActive(Form *form);
    void onFocusWindowChanged(QWindow *window);
    Form *formOfWindow(QWindow *window) const;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void queueRelease();
    void releaseHiddenViews();

    std::map<std::type_index, std::unique_ptr<Form>> m_forms;
    QList<Form *> m_loaded;
    QList<Form *> m_recentlyActive; // most recent first
    Form *m_active = nullptr;
    // The windows the layer itself showed or activated, each with the time it did. For a short
    // while after that, a focus report naming one of them is the platform catching up (a late
    // report for a window shown earlier, a window manager confirming a request as windows map),
    // not the user: it must not take activation away. A report naming any other window is the
    // user coming back to it (through the window manager: Alt+Tab, a click on its title bar),
    // however soon. A key or mouse press by the user inside the program ends the settling.
    void layerActivated(Form *form);
    bool activatedByLayerJustNow(Form *form) const;
    struct LayerActivation {
        Form *form;
        QElapsedTimer since;
    };
    QList<LayerActivation> m_layerActivations;
    bool m_ended = false;
    Terminator m_terminator;
    int m_handlerDepth = 0;
    QList<QPointer<QWidget>> m_graveyard;
    QList<QPointer<FormView>> m_toRelease;
    bool m_releaseQueued = false;
};

template <class F> F &form()
{
    return Program::instance().form<F>();
}

inline void End()
{
    Program::instance().end();
}

} // namespace ui
