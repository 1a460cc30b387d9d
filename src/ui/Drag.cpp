// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Drag.h"

#include "ui/ControlBase.h"

#include <QDropEvent>
#include <QMimeData>

namespace ui {

QString dragMimeType()
{
    return QStringLiteral("application/x-playhaven-control");
}

QMimeData *dragPayload(const ControlBase *source)
{
    auto *mime = new QMimeData;
    mime->setData(dragMimeType(), QByteArray::number(source->id()));
    return mime;
}

namespace {
quint64 g_dragging = 0; // the id of the control this process drags; 0 while it drags none
} // namespace

DragInProgress::DragInProgress(const ControlBase *source)
    : m_previous(g_dragging)
{
    g_dragging = source ? source->id() : 0;
}

DragInProgress::~DragInProgress()
{
    g_dragging = m_previous;
}

ControlBase *dragSource(const QMimeData *mime)
{
    if (!mime || !mime->hasFormat(dragMimeType()) || g_dragging == 0)
        return nullptr;
    bool ok = false;
    const quint64 id = mime->data(dragMimeType()).toULongLong(&ok);
    return ok && id == g_dragging ? ControlBase::fromId(id) : nullptr;
}

void enterIfOurs(QDragEnterEvent *e)
{
    if (dragSource(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void holdIfOurs(QDropEvent *e)
{
    if (dragSource(e->mimeData())) {
        e->setDropAction(Qt::IgnoreAction);
        e->accept();
    } else {
        e->ignore();
    }
}

} // namespace ui
