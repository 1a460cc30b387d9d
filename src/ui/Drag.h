// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QtGlobal>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;

// The drags of the program's own controls: the payload names the dragged control by its id,
// and only this process's drag in progress is taken, so a drag from another program (or from
// another running copy of this one, whose numbers mean something else) is refused.
namespace ui {

class ControlBase;

QString dragMimeType();
QMimeData *dragPayload(const ControlBase *source);
// The control a drag carries: nullptr for a stale drag, for a payload of another kind, and for
// one that does not come from this process's own drag in progress.
ControlBase *dragSource(const QMimeData *mime);

// Pictures and picture boxes both let one of the program's own drags in, to be told where it may
// land; a foreign drag is not theirs to take.
void enterIfOurs(QDragEnterEvent *e);
// A picture stops the program's own drags from falling through to the picture box it stands in:
// it takes them and does nothing with them. A foreign drag passes on.
void holdIfOurs(QDropEvent *e);

// Marks the drag of a control that this process runs, for as long as it lasts.
class DragInProgress {
public:
    explicit DragInProgress(const ControlBase *source);
    ~DragInProgress();
    DragInProgress(const DragInProgress &) = delete;
    DragInProgress &operator=(const DragInProgress &) = delete;

private:
    quint64 m_previous;
};

} // namespace ui
