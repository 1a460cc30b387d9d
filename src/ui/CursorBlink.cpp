// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CursorBlink.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace ui {

CursorBlinkRest::CursorBlinkRest(std::chrono::milliseconds restAfter, QObject *parent)
    : QObject(parent)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(restAfter);
    connect(&m_idle, &QTimer::timeout, this, &CursorBlinkRest::rest);
    if (qApp)
        qApp->installEventFilter(this);
    m_idle.start();
}

CursorBlinkRest::~CursorBlinkRest()
{
    if (m_resting)
        QGuiApplication::styleHints()->setCursorFlashTime(-1);
}

void CursorBlinkRest::setRestAfter(std::chrono::milliseconds restAfter)
{
    m_idle.setInterval(restAfter);
    wake();
}

bool CursorBlinkRest::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::FocusIn:
        wake();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CursorBlinkRest::wake()
{
    // Text boxes follow a change of the flash time at once; -1 is the desktop's own setting.
    if (m_resting) {
        m_resting = false;
        QGuiApplication::styleHints()->setCursorFlashTime(-1);
    }
    m_idle.start();
}

void CursorBlinkRest::rest()
{
    m_resting = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

} // namespace ui
