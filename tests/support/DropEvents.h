// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPoint>

class QMimeData;
class QWidget;

// A drag entering, moving over and dropped on `target` at `at`, sent the way the platform sends
// them: a drop the widget leaves unaccepted travels on to its parents. Takes `mime`.
// sendDrop sends it as this process's own drag of the control the payload names;
// sendForeignDrop as a drag from another program.
void sendDrop(QWidget *target, QPoint at, QMimeData *mime);
void sendForeignDrop(QWidget *target, QPoint at, QMimeData *mime);
