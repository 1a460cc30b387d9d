// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QWidget>

namespace ui {

// A straight line between two points, drawn under the other controls; it takes no input.
class Line : public QWidget, public ControlBase {
    Q_OBJECT
public:
    static constexpr Extent extent = Extent::Ends;
    static Line *create(BuildContext &context, const ControlDesign &row);
    explicit Line(QWidget *parent = nullptr);
    void setEnds(double x1, double y1, double x2, double y2);
    void setColor(quint32 bgr);
    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }
    double X2() const { return m_x2; }
    double Y2() const { return m_y2; }
    // Every line of the windows is one pixel wide.
    static constexpr int lineWidth = 1;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_color = Qt::black;
};

} // namespace ui
