// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureBox.h"

#include "ui/BuildContext.h"
#include "ui/Drag.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"
#include "ui/PickAndPlace.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QPainter>

namespace ui {

PictureBox *PictureBox::create(BuildContext &context, const ControlDesign &row)
{
    auto *p = new PictureBox(context.parentFor(row));
    p->applyDesign(row, context);
    return p;
}

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
    , ControlBase(this)
{
    setAcceptDrops(true);
    setFrameShape(QFrame::Box);
    // The outline grows with the windows, as the path lines between the stones do.
    setLineWidth(scaledPixels(1));
    // Takes the focus so that a picked-up picture can be put down on it with Enter.
    setFocusPolicy(Qt::StrongFocus);
    followInputKind();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint()))
        return;
    // As with a drop, only the box's own surface takes the picture, never a control inside it.
    if (onOwnSurface(e->position()) && putDownHere(e->position()))
        return;
    emit Click();
}

void PictureBox::keyPressEvent(QKeyEvent *e)
{
    const bool put = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (put && e->modifiers() == Qt::NoModifier) {
        const pick::KeyboardPutDown byKeyboard;
        if (putDownHere(QRectF(rect()).center()))
            return;
    }
    QFrame::keyPressEvent(e);
}

bool PictureBox::putDownHere(const QPointF &at)
{
    ControlBase *source = controlOf(pick::takeFor(window()));
    if (!source)
        return false;
    const QPoint p = at.toPoint();
    emit DragDrop(source, pixelsToTwips(p.x()), pixelsToTwips(p.y()));
    return true;
}

void PictureBox::paintEvent(QPaintEvent *e)
{
    QFrame::paintEvent(e);
    if (!showsKeyboardFocus(this))
        return;
    QPainter painter(this);
    const int in = scaledPixels(2);
    drawOutline(painter, rect().adjusted(in, in, -in, -in), designPen(Qt::black, 1, Qt::DotLine));
}

bool PictureBox::onOwnSurface(const QPointF &at) const
{
    // Qt hands a drop that a disabled control inside cannot take on to this box; the control
    // still covers that part of the box.
    return childAt(at.toPoint()) == nullptr;
}

void PictureBox::dragEnterEvent(QDragEnterEvent *e)
{
    enterIfOurs(e);
}

void PictureBox::dragMoveEvent(QDragMoveEvent *e)
{
    if (dragSource(e->mimeData()) && onOwnSurface(e->position()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void PictureBox::dropEvent(QDropEvent *e)
{
    ControlBase *source = dragSource(e->mimeData());
    if (!source || !onOwnSurface(e->position())) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    const QPoint p = e->position().toPoint();
    emit DragDrop(source, pixelsToTwips(p.x()), pixelsToTwips(p.y()));
}

} // namespace ui
