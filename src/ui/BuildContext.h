// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;
class QObject;
class QPushButton;
class QWidget;

namespace ui {

struct ControlDesign;

// What a control needs of the window it is built into, while that window builds its view from
// its design table, one row at a time (a container before what lies in it).
class BuildContext {
public:
    virtual ~BuildContext() = default;
    // The widget a control lies in: its frame or picture box, or the window's client area.
    virtual QWidget *parentFor(const ControlDesign &row) = 0;
    // The built object of the frame, picture box or menu a row lies in (null: the window).
    virtual QObject *containerOf(const ControlDesign &row) = 0;
    // Owns what is not a widget (timers) for as long as the view lives.
    virtual QObject *owner() = 0;
    virtual QMenuBar *menuBar() = 0;
    virtual void setDefaultButton(QPushButton *button) = 0;
    virtual void setCancelButton(QPushButton *button) = 0;
    // Bars along the client area's top and bottom edges.
    virtual void dockTop(QWidget *bar) = 0;
    virtual void dockBottom(QWidget *bar) = 0;
    // A control with a tab index; a label among them hands its mnemonic to the next one.
    virtual void addTabStop(int tab, QWidget *control) = 0;
};

} // namespace ui
