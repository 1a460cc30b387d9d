// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OutsideDestruction.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ui {

OutsideDestructionFilter::OutsideDestructionFilter(std::function<void(QWidget *window)> destroyed)
    : m_destroyed(std::move(destroyed))
{
}

bool OutsideDestructionFilter::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    // The X protocol's DestroyNotify event, as the server sends it (32 bytes, in host order).
    struct DestroyNotify {
        quint8 responseType;
        quint8 pad;
        quint16 sequence;
        quint32 event;
        quint32 window;
    };
    constexpr quint8 destroyNotify = 17;
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *e = static_cast<const DestroyNotify *>(message);
    if ((e->responseType & 0x7f) != destroyNotify)
        return false;
    QPointer<QWidget> window = QWidget::find(WId(e->window));
    if (window && window->isWindow())
        QTimer::singleShot(0, QCoreApplication::instance(), [this, window] { m_destroyed(window.data()); });
    return false;
}

} // namespace ui
