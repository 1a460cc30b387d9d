// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

class QWidget;

namespace ui {

class Form;
class FormView;

// What a window tells the program it belongs to as it loads, shows, hides and unloads, and what
// it asks of it: whether the program has ended, and that a view it let go of be deleted or
// given back once no handler runs any more. The program (Program.h) is the one implementation;
// the windows see only this, so that the program can know its windows without the windows
// knowing it.
class Lifecycle {
public:
    static Lifecycle &instance();

    virtual bool ended() const = 0;
    virtual void enterHandler() = 0;
    virtual void leaveHandler() = 0;
    virtual void formLoaded(Form *form) = 0;
    virtual void formUnloaded(Form *form) = 0;
    virtual void formShown(Form *form) = 0;
    virtual void formHidden(Form *form) = 0;
    // A view is deleted once the outermost handler has returned.
    virtual void bury(QWidget *view) = 0;
    // A hidden view gives back its native window and back buffer once no handler runs.
    virtual void releaseWhenIdle(FormView *view) = 0;

protected:
    ~Lifecycle() = default;
};

// Marks a handler running for the duration of a scope: views unloaded meanwhile are deleted
// only once the outermost handler has returned.
class HandlerScope {
public:
    HandlerScope() { Lifecycle::instance().enterHandler(); }
    ~HandlerScope() { Lifecycle::instance().leaveHandler(); }
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;
};

// Where a game goes when it ends: the launcher, which the shell installs at start-up, so that
// no game needs to know it.
void setHome(std::function<void()> home);
void ShowHome();

inline bool Ended()
{
    return Lifecycle::instance().ended();
}

} // namespace ui
