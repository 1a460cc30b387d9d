// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"
#include "ui/ScreenPlacement.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

namespace ui {

class Form;

// The client area of a window: its back colour, its persistent background (points drawn by
// code stay across repaints), and the toolbar and status bar docked along its edges.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget *parent = nullptr);
    void setDot(const QRect &dot, const QColor &color);
    const QImage &background() const { return m_background; }
    // The background repeats every `tile` pixels across and down (an empty size: it does not).
    void setBackgroundTile(const QSize &tile);
    void dockTop(QWidget *bar);
    void dockBottom(QWidget *bar);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void layoutBars();
    QImage m_background;
    QSize m_tile;
    QPointer<QWidget> m_toolBar;
    QPointer<QWidget> m_statusBar;
};

// The Qt window of a loaded form. Its close box asks its form to close (closeRequested); the
// form hides and destroys the view itself.
class FormView : public QMainWindow {
    Q_OBJECT
public:
    FormView(Form *form, bool controlBox);
    // The window this view shows, for the program that keeps the windows.
    Form *form() const { return m_form; }
    // The window's kind of frame, title, keys and back colour, before its controls are built.
    void takeDesign(const FormDesign &design);
    // Its size from the design's client area once the controls (and a menu bar) are built.
    void sizeToDesign(const FormDesign &design);
    ScreenPlacement &placement() { return m_placement; }
    ClientArea *client() const { return m_client; }
    void setDefaultButton(QPushButton *b) { m_default = b; }
    void setCancelButton(QPushButton *b) { m_cancel = b; }
    QPushButton *defaultButton() const { return m_default; }
    QPushButton *cancelButton() const { return m_cancel; }
    // Windows that open maximized toggle full screen with F11.
    void setFullScreenToggle(bool enabled) { m_fullScreenToggle = enabled; }
    // Fixed dialogs with a close box and no cancel button close on Esc, as by their close box.
    void setEscapeCloses(bool enabled) { m_escapeCloses = enabled; }
    // A raised border of the given width drawn by the window itself, for windows that have
    // no title bar from the window manager; 0 for none.
    void setDialogFrame(int width);
    int dialogFrame() const { return m_dialogFrame; }
    // Gives back the native window and the back buffer of a hidden window whose own windows
    // (message boxes, menus) are hidden too; the next show makes new ones. True if released.
    bool releaseNativeWindow();
    // The native window was destroyed from outside: the widget forgets it (visible or not), and
    // the next show makes a new one in the state the old one had.
    void nativeWindowLost();
    void setVisible(bool visible) override;

signals:
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    bool openFirstMenu();
    Form *m_form;
    ClientArea *m_client;
    bool m_controlBox;
    bool m_fullScreenToggle = false;
    bool m_escapeCloses = false;
    int m_dialogFrame = 0;
    bool m_released = false;
    ScreenPlacement m_placement { this };
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
};

} // namespace ui
