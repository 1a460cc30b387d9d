// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DropEvents.h"

#include "ui/Drag.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

void sendForeignDrop(QWidget *target, QPoint at, QMimeData *mime)
{
    QDragEnterEvent enter(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    delete mime;
}

void sendDrop(QWidget *target, QPoint at, QMimeData *mime)
{
    // The drag of this process that the payload names, as QDrag::exec would be running it.
    const quint64 id = mime->data(ui::dragMimeType()).toULongLong();
    const ui::DragInProgress dragging(ui::ControlBase::fromId(id));
    sendForeignDrop(target, at, mime);
}
