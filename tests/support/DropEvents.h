#pragma once
#include <QPoint>

class QMimeData;
class QWidget;

// A drag entering, moving over and dropped on `target` at `at`, sent the way the platform sends
// them: a drop the widget leaves unaccepted travels on to its parents. Takes `mime`.
void sendDrop(QWidget *target, QPoint at, QMimeData *mime);
