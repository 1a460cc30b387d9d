// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace ui {

ScreenPlacement::ScreenPlacement(QWidget *window)
    : m_window(window)
{
}

void ScreenPlacement::placeOnFirstShow(bool maximized, bool centred)
{
    if (m_placed || !m_window)
        return;
    m_placed = true;
    m_centredAt = QPoint();
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (maximized) {
        // Without a window manager a maximize request is not honoured: take the whole area anyway.
        m_window->setGeometry(avail);
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
    } else if (centred) {
        m_window->move(centredFramePosition(avail));
        m_centredAt = m_window->pos();
    }
}

QPoint ScreenPlacement::centredFramePosition(const QRect &area) const
{
    // Before the window is mapped the toolkit knows only its client area; the frame the window
    // manager will add is the one it gave the first titled window.
    QSize whole = m_window->size();
    if (!(m_window->windowFlags() & Qt::FramelessWindowHint)) {
        const QMargins frame = learntFrame();
        whole += QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    whole = whole.expandedTo(m_window->frameGeometry().size());
    return { area.x() + (area.width() - whole.width()) / 2, area.y() + (area.height() - whole.height()) / 2 };
}

QMargins &ScreenPlacement::learntFrame()
{
    static QMargins frame;
    return frame;
}

void ScreenPlacement::learnFrameOnceMapped()
{
    // A window manager reports its frame (_NET_FRAME_EXTENTS) a moment after mapping; without
    // one (a bare X server) nothing ever comes, and the window stays where it was put.
    static bool learnt = false;
    static const bool platformHasFrames = QGuiApplication::platformName() != QLatin1String("offscreen");
    QWidget *view = m_window;
    if (learnt || !platformHasFrames || !view || (view->windowFlags() & Qt::FramelessWindowHint))
        return;
    auto *poll = new QTimer(view);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, view, tries = 0]() mutable {
        QWindow *window = view->windowHandle();
        const QMargins frame = window ? window->frameMargins() : QMargins();
        if (learnt || !frame.isNull() || ++tries > 100 || !view->isVisible()) {
            poll->deleteLater();
            if (learnt || frame.isNull())
                return;
            learnt = true;
            learntFrame() = frame;
            // Put once where it belongs, unless it was moved meanwhile (by code or by the user).
            if (!m_centredAt.isNull() && view->pos() == m_centredAt) {
                QScreen *screen = view->screen() ? view->screen() : QGuiApplication::primaryScreen();
                if (screen) {
                    view->move(centredFramePosition(screen->availableGeometry()));
                    m_centredAt = view->pos();
                }
            }
        }
    });
    poll->start();
}

} // namespace ui
