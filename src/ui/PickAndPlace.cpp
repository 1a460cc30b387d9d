// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PickAndPlace.h"

#include <QCursor>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace ui::pick {
namespace {

QPointer<QWidget> g_carried;
QPointer<QWidget> g_cursorWindow;
bool g_byKeyboard = false;

void release()
{
    QWidget *was = g_carried;
    g_carried = nullptr;
    if (g_cursorWindow)
        g_cursorWindow->unsetCursor();
    g_cursorWindow = nullptr;
    if (was)
        was->update();
}

} // namespace

QWidget *carried()
{
    return g_carried;
}

void pickUp(QWidget *image, const QPixmap &icon)
{
    release();
    if (!image)
        return;
    g_carried = image;
    if (!icon.isNull()) {
        const QSizeF size = icon.deviceIndependentSize();
        g_cursorWindow = image->window();
        g_cursorWindow->setCursor(QCursor(icon, int(size.width() / 2), int(size.height() / 2)));
    }
    image->update();
}

bool putBack()
{
    const bool any = g_carried != nullptr;
    release();
    return any;
}

QWidget *takeFor(const QWidget *window)
{
    QWidget *image = g_carried;
    if (!image || image->window() != window)
        return nullptr;
    release();
    return image;
}

void forget(const QWidget *image)
{
    if (g_carried == image) {
        g_carried = nullptr;
        g_cursorWindow = nullptr;
    }
}

bool placingByKeyboard()
{
    return g_byKeyboard;
}

KeyboardPutDown::KeyboardPutDown()
    : m_was(std::exchange(g_byKeyboard, true))
{
}

KeyboardPutDown::~KeyboardPutDown()
{
    g_byKeyboard = m_was;
}

} // namespace ui::pick
