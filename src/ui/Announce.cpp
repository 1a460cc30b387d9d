// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Announce.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ui {
namespace {

struct Speaker {
    QPointer<QWidget> target;
    QString ownDescription;
    QString last;
    bool trailingBlank = false;
    QMetaObject::Connection focusWatch;
};

Speaker &speaker()
{
    static Speaker s;
    return s;
}

void giveBack()
{
    Speaker &s = speaker();
    QObject::disconnect(s.focusWatch);
    if (s.target)
        s.target->setAccessibleDescription(s.ownDescription);
    s.target = nullptr;
    s.ownDescription.clear();
}

} // namespace

void announce(const QString &text)
{
    Speaker &s = speaker();
    s.last = text;
    QWidget *to = QApplication::focusWidget();
    if (!to)
        to = QApplication::activeWindow();
    if (!to)
        return;
    if (to != s.target) {
        giveBack();
        s.target = to;
        s.ownDescription = to->accessibleDescription();
        // Once the focus has moved on, the control says what it is again; later, so that the
        // screen reader has read the control the focus came to first.
        s.focusWatch = QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *old, QWidget *) {
            QPointer<QWidget> left = old;
            if (old && old == speaker().target)
                QTimer::singleShot(0, qApp, [left] {
                    if (left && left == speaker().target)
                        giveBack();
                });
        });
    }
    // The same words twice in a row are a change too: a blank at the end tells them apart.
    s.trailingBlank = !s.trailingBlank;
    to->setAccessibleDescription(s.trailingBlank ? text + QLatin1Char(' ') : text);
}

QString lastAnnouncement()
{
    return speaker().last;
}

} // namespace ui
