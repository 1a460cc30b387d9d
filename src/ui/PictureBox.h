// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QFrame>

namespace ui {

// A picture box with a one-pixel outline: it receives the program's own drags with the dragged
// control and the drop point in twips, but only on its own surface, never on a control that
// lies inside it (enabled or not); drags that carry anything else (text or files from another
// program) are refused. A picture picked up in its window is put down on it by a click, Space or Enter.
class PictureBox : public QFrame, public ControlBase {
    Q_OBJECT
public:
    static PictureBox *create(BuildContext &context, const ControlDesign &row);
    explicit PictureBox(QWidget *parent = nullptr);
signals:
    void Click();
    // The dragged control and the drop point in twips.
    void DragDrop(ui::ControlBase *source, double x, double y);

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    bool onOwnSurface(const QPointF &at) const;
    // Puts down the picture picked up in this window, if any, as a drop at `at` (pixels).
    bool putDownHere(const QPointF &at);
};

} // namespace ui
