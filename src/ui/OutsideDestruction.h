// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

namespace ui {

// Tells the window layer when an X server destroys one of the program's windows without the
// program asking: the toolkit itself does not notice, and a modal wait on a box that is gone
// would wait for ever. The toolkit forgets a window it destroys itself before the server
// reports it, so a report naming a window it still knows comes from outside. The report is
// handed on from the event loop, never from inside the toolkit's event delivery: closing may
// run handlers and loops.
class OutsideDestructionFilter final : public QAbstractNativeEventFilter {
public:
    explicit OutsideDestructionFilter(std::function<void(QWidget *window)> destroyed);
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

private:
    std::function<void(QWidget *)> m_destroyed;
};

} // namespace ui
