// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace ui {

// Where a window first opens: maximized over the screen's available area, centred on it, or
// where the toolkit puts it. Centring counts the frame the window manager adds, which is known
// only once a titled window has been mapped: until then the window is centred by its client
// area, and put once where it belongs when the frame is learnt (unless it was moved meanwhile).
class ScreenPlacement {
public:
    explicit ScreenPlacement(QWidget *window);
    // The first show of a view places it; later shows leave it where it is.
    void placeOnFirstShow(bool maximized, bool centred);
    // Moved by code: no first placement any more.
    void moved() { m_placed = true; }
    void learnFrameOnceMapped();

private:
    QPoint centredFramePosition(const QRect &area) const;
    static QMargins &learntFrame();
    QPointer<QWidget> m_window;
    bool m_placed = false;
    QPoint m_centredAt; // where the window was centred, until it is moved otherwise
};

} // namespace ui
