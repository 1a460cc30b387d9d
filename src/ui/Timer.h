// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"

#include <QTimer>

namespace ui {

// A timer control: an interval in milliseconds and an on/off switch. It keeps firing while its
// window is hidden and stops for good when the window is unloaded.
class Timer : public QObject {
    Q_OBJECT
public:
    static constexpr Extent extent = Extent::None;
    static Timer *create(BuildContext &context, const ControlDesign &row);
    explicit Timer(QObject *parent = nullptr);
    int Interval() const { return m_timer.interval(); }
    void setInterval(int ms);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QString controlName() const { return objectName(); }
signals:
    void Tick();

private:
    void apply();
    QTimer m_timer;
    bool m_enabled = false;
};

} // namespace ui
