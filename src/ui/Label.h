// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QLabel>

namespace ui {

// A label: wraps words at its width and breaks lines at CR LF; its caption is kept exactly as
// set (leading blanks and runs of blanks included).
class Label : public QLabel, public ControlBase {
    Q_OBJECT
public:
    static Label *create(BuildContext &context, const ControlDesign &row);
    explicit Label(QWidget *parent = nullptr);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setAutoSize(bool autoSize);
    void setTransparent(bool transparent);
    // A label that acts when clicked (a help topic) is a tab stop as well: Space, Enter or
    // Return click it, and the style's focus rectangle shows where the focus is.
    void setLink(bool link);
    bool captionFits(const QString &source = {}) const override;
signals:
    void Click();
    void MouseUp(int button, int shift, double x, double y);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void fitToText();
    QString m_caption;
    bool m_autoSize = false;
    bool m_pressed = false;
};

} // namespace ui
