// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>
#include <chrono>

namespace ui {

// A text cursor blinks while somebody is using the program and stands still (and stays shown)
// once nobody has pressed a key, clicked or moved the focus for five seconds, as desktops do:
// a dialog left open on the screen then costs no work at all. Any key, click or focus change
// starts the blinking again.
class CursorBlinkRest : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds defaultRestAfter { 5000 };

    explicit CursorBlinkRest(std::chrono::milliseconds restAfter = defaultRestAfter, QObject *parent = nullptr);
    ~CursorBlinkRest() override;
    bool resting() const { return m_resting; }
    void setRestAfter(std::chrono::milliseconds restAfter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wake();
    void rest();

    QTimer m_idle;
    bool m_resting = false;
};

} // namespace ui
