// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormView.h"

#include "ui/Announce.h"
#include "ui/ControlBase.h"
#include "ui/Geometry.h"
#include "ui/Image.h"
#include "ui/PickAndPlace.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QWindow>
#include <qdrawutil.h>

namespace ui {

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void ClientArea::setDot(const QRect &dot, const QColor &color)
{
    const QRect r = dot.intersected(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    if (r.isEmpty())
        return;
    if (r.right() >= m_background.width() || r.bottom() >= m_background.height()) {
        QImage grown(std::max(m_background.width(), r.right() + 64), std::max(m_background.height(), r.bottom() + 64),
            QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter p(&grown);
        p.drawImage(0, 0, m_background);
        p.end();
        m_background = std::move(grown);
    }
    if (r.width() == 1 && r.height() == 1)
        m_background.setPixelColor(r.topLeft(), color);
    else
        QPainter(&m_background).fillRect(r, color);
    update(r);
}

void ClientArea::setBackgroundTile(const QSize &tile)
{
    m_tile = tile;
    update();
}

void ClientArea::dockTop(QWidget *bar)
{
    m_toolBar = bar;
    layoutBars();
}

void ClientArea::dockBottom(QWidget *bar)
{
    m_statusBar = bar;
    layoutBars();
}

void ClientArea::paintEvent(QPaintEvent *e)
{
    if (m_background.isNull())
        return;
    QPainter p(this);
    if (m_tile.isEmpty()) {
        p.drawImage(e->rect(), m_background, e->rect());
        return;
    }
    // Each repeat shows the tile's part of the background, and only where it is to be painted.
    const QRect area = e->rect();
    const QRect tile(QPoint(0, 0), m_tile);
    for (int y = area.top() / m_tile.height() * m_tile.height(); y <= area.bottom(); y += m_tile.height()) {
        for (int x = area.left() / m_tile.width() * m_tile.width(); x <= area.right(); x += m_tile.width()) {
            const QRect part = area.translated(-x, -y).intersected(tile);
            if (!part.isEmpty())
                p.drawImage(part.translated(x, y), m_background, part);
        }
    }
}

void ClientArea::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    layoutBars();
}

void ClientArea::layoutBars()
{
    if (m_toolBar) {
        m_toolBar->setGeometry(0, 0, width(), m_toolBar->sizeHint().height());
        m_toolBar->raise();
    }
    if (m_statusBar) {
        const int h = m_statusBar->sizeHint().height();
        m_statusBar->setGeometry(0, height() - h, width(), h);
        m_statusBar->raise();
    }
}

FormView::FormView(Form *form, bool controlBox)
    : m_form(form)
    , m_client(new ClientArea(this))
    , m_controlBox(controlBox)
{
    setCentralWidget(m_client);
}

void FormView::takeDesign(const FormDesign &design)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    const bool fixed = design.border == Border::Fixed || design.border == Border::FixedDialog;
    Qt::WindowFlags flags = Qt::Window;
    switch (design.border) {
    case Border::Sizable:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
        break;
    case Border::Fixed:
    case Border::FixedDialog:
        flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint;
        break;
    case Border::None:
        flags |= Qt::FramelessWindowHint;
        break;
    }
    if (design.border != Border::None) {
        if (design.controlBox)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        else if (design.caption.isEmpty())
            flags = Qt::Window | Qt::FramelessWindowHint; // no caption and no control box: no title bar
    }
    setWindowFlags(flags);
    setWindowTitle(design.caption);
    setFullScreenToggle(design.maximized);
    setEscapeCloses(fixed && design.controlBox);
    ui::setBackColor(m_client, design.backColor);
}

void FormView::sizeToDesign(const FormDesign &design)
{
    const bool fixed = design.border == Border::Fixed || design.border == Border::FixedDialog;
    // A fixed frame without a title bar still shows a border; the window draws it itself.
    if (fixed && !design.controlBox && design.caption.isEmpty())
        setDialogFrame(scaledPixels(design.border == Border::FixedDialog ? 4 : 1));
    const int frame = 2 * m_dialogFrame;
    const QSize client(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    m_client->setMinimumSize(0, 0);
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const QSize whole(client.width() + frame, client.height() + menuHeight + frame);
    resize(whole);
    if (layout())
        layout()->activate();
    if (fixed || (!design.controlBox && design.caption.isEmpty()))
        setFixedSize(whole);
}

void FormView::setDialogFrame(int width)
{
    m_dialogFrame = width;
    setContentsMargins(width, width, width, width);
    update();
}

void FormView::paintEvent(QPaintEvent *e)
{
    QMainWindow::paintEvent(e);
    if (m_dialogFrame <= 0)
        return;
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), false);
    if (m_dialogFrame > 2)
        qDrawPlainRect(&p, rect().adjusted(2, 2, -2, -2), palette().color(QPalette::Button), m_dialogFrame - 2);
}

bool FormView::releaseNativeWindow()
{
    if (isVisible() || !testAttribute(Qt::WA_WState_Created))
        return false;
    const auto children = findChildren<QWidget *>();
    for (const QWidget *w : children) {
        if (w->isWindow() && w->isVisible())
            return false;
    }
    destroy();
    m_released = true;
    return true;
}

void FormView::nativeWindowLost()
{
    if (!testAttribute(Qt::WA_WState_Created))
        return;
    destroy();
    m_released = true;
}

void FormView::setVisible(bool visible)
{
    if (visible && m_released && !testAttribute(Qt::WA_WState_Created)) {
        // A new native window, in the state the old one had (maximized, full screen): the
        // toolkit keeps the state with the widget but gives a new window none.
        m_released = false;
        create();
        if (QWindow *window = windowHandle())
            window->setWindowStates(windowState() & ~Qt::WindowActive);
    }
    QMainWindow::setVisible(visible);
}

void FormView::closeEvent(QCloseEvent *e)
{
    // The window layer hides and destroys the view itself.
    e->ignore();
    if (m_controlBox)
        emit closeRequested();
}

void FormView::keyPressEvent(QKeyEvent *e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && e->modifiers() == Qt::NoModifier) {
        // Enter presses the focused button, otherwise the default button while it is enabled.
        auto *focused = qobject_cast<QPushButton *>(focusWidget());
        QPushButton *target = focused ? focused : m_default.data();
        if (target && target->isEnabled() && target->isVisible()) {
            target->click();
            return;
        }
    } else if (e->key() == Qt::Key_F11 && m_fullScreenToggle) {
        if (isFullScreen())
            showMaximized();
        else
            showFullScreen();
        return;
    } else if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::NoModifier && openFirstMenu()) {
        return;
    } else if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        // Esc first puts back a picture picked up in this window.
        if (QWidget *picture = pick::takeFor(this)) {
            announce(Image::tr("%1, put back").arg(picture->accessibleName()));
            return;
        }
        if (m_cancel && m_cancel->isEnabled() && m_cancel->isVisible()) {
            m_cancel->click();
            return;
        }
        if (m_escapeCloses) {
            close();
            return;
        }
    }
    QMainWindow::keyPressEvent(e);
}

// F10 opens the menu bar from the keyboard, as desktop programs do; the menus' captions carry
// no mnemonics.
bool FormView::openFirstMenu()
{
    QMenuBar *bar = qobject_cast<QMenuBar *>(menuWidget());
    if (!bar)
        return false;
    for (QAction *a : bar->actions()) {
        if (a->isVisible() && a->isEnabled()) {
            bar->setFocus(Qt::MenuBarFocusReason);
            bar->setActiveAction(a);
            return true;
        }
    }
    return false;
}

} // namespace ui
