// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PickAndPlace.h"

#include "ui/Picture.h"

#include <QCursor>
#include <QPointer>

namespace ui::pick {
namespace {

QPointer<Image> g_carried;
QPointer<QWidget> g_cursorWindow;

void release()
{
    Image *was = g_carried;
    g_carried = nullptr;
    if (g_cursorWindow)
        g_cursorWindow->unsetCursor();
    g_cursorWindow = nullptr;
    if (was)
        was->update();
}

} // namespace

Image *carried()
{
    return g_carried;
}

void pickUp(Image *image)
{
    release();
    if (!image)
        return;
    g_carried = image;
    const QPixmap icon = image->DragIcon().isNull() ? image->Picture() : image->DragIcon();
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

Image *takeFor(const QWidget *window)
{
    Image *image = g_carried;
    if (!image || image->window() != window)
        return nullptr;
    release();
    return image;
}

void forget(const Image *image)
{
    if (g_carried == image) {
        g_carried = nullptr;
        g_cursorWindow = nullptr;
    }
}

} // namespace ui::pick
