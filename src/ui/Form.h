// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"
#include "ui/ControlSlot.h"
#include "ui/FormView.h"
#include "ui/Lifecycle.h"
#include "ui/Vocabulary.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <cstdint>
#include <type_traits>
#include <vector>

class QAction;
class QEventLoop;
class QMenu;

namespace ui {

// One window of the program: a single instance for the whole run that keeps the window's
// variables, and a view (the Qt window with its controls) that exists only while the window is
// loaded.
//
// - load builds the view from the window's control table and runs Form_Load; touching a
//   control of a window that is not loaded loads it;
// - show makes it visible and active; a modal show returns only once the window has been hidden
//   or unloaded (or the program has ended: then it returns false and the caller must stop);
// - hide makes it invisible, loaded and unchanged;
// - unload runs Form_Unload and destroys the view; the variables keep their values; unloading a
//   window that is not loaded, or whose unload is under way, does nothing.
// - Form_Activate runs each time the window becomes the program's active window, coming from
//   another of its windows (message boxes do not count).
class Form : public QObject, public ControlHost, protected DesignVocabulary {
    Q_OBJECT
public:
    explicit Form(const QString &name);
    ~Form() override;

    QString name() const { return objectName(); }
    bool isLoaded() const { return m_view != nullptr; }
    bool isUnloading() const { return m_unloading; }
    // After anything that can run events (a message box, a modal show, the glide) the program
    // may have ended or this window been unloaded: its controls must not be touched (and so
    // loaded again) then.
    bool stillLoaded() const;
    bool isVisible() const;

    void load();
    void show();
    [[nodiscard]] bool showModal();
    void hide();
    void unload();

    // The window's view; loads the window if needed.
    FormView *view();
    FormView *existingView() const { return m_view; }

    // Outer position and size of the window on the screen, in twips.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setTop(double twips);
    void setLeft(double twips);

    QString Caption() const;
    void setCaption(const QString &caption);
    quint32 BackColor() const;
    void setBackColor(quint32 bgr);

    // What the window's design takes on the screen at display scale 1, in device-independent
    // pixels: its client area, the controls that reach beyond it, and its menu bar and bars. The
    // window manager's frame comes on top. Needs no loaded view.
    QSizeF designExtent() const;

    // A point of the window's persistent background, which survives repaints: one pixel of the
    // design, a square as large as a design pixel at the display scale.
    void PSet(double x, double y, quint32 bgr);
    // The persistent background repeats every width x height twips, so a field of points drawn
    // for the design's own area covers a window as large as the screen at the same density.
    void repeatBackground(double width, double height);

    // Shows a top-level menu of the window at the mouse.
    void PopupMenu(QAction *topMenu);

    // Used by the window layer.
    void activated();
    void abandonModalWaits();
    void discardView();
    void closeRequested();

protected:
    virtual FormDesign formDesign() const = 0;
    // Connects the handlers once the controls exist (every load).
    virtual void wire() { }
    virtual void Form_Load() { }
    virtual void Form_Unload(std::int16_t &Cancel) { Q_UNUSED(Cancel); }
    virtual void Form_Activate() { }

    // Connects a control's event to a handler so that it runs as a handler of this window.
    template <class Sender, class Signal, class Fn> void handle(Sender *sender, Signal signal, Fn fn)
    {
        connect(sender, signal, this, [fn](auto &&...args) {
            if (Lifecycle::instance().ended())
                return;
            HandlerScope scope;
            if constexpr (std::is_invocable_v<Fn, decltype(args)...>)
                fn(std::forward<decltype(args)>(args)...);
            else
                fn();
        });
    }

    QString hostName() const override { return name(); }
    void declare(ControlSlot *slot) override { m_slots.push_back(slot); }
    void loadForControls() override { view(); }

private:
    void buildView();
    void forgetControls();
    void placeOnScreen();
    void raiseAndActivate();

    QPointer<FormView> m_view;
    bool m_loading = false;
    bool m_unloading = false;
    QList<QEventLoop *> m_modalWaits;
    std::vector<ControlSlot *> m_slots; // in declaration order
};

} // namespace ui
