// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QGroupBox>

namespace ui {

// A frame (with or without a caption) that also takes clicks.
class Frame : public QGroupBox, public ControlBase {
    Q_OBJECT
public:
    static Frame *create(BuildContext &context, const ControlDesign &row);
    explicit Frame(QWidget *parent = nullptr);
    bool captionFits(const QString &source = {}) const override;
signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    // Drawn in exactly its back colour, with an etched border and its caption on the border.
    void paintEvent(QPaintEvent *e) override;
    QFont captionFont() const override { return m_captionFont; }
    void setCaptionFont(const QFont &font) override
    {
        m_captionFont = font;
        update();
    }

private:
    bool m_pressed = false;
    QFont m_captionFont;
};

} // namespace ui
