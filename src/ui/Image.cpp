// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Image.h"

#include "ui/Announce.h"
#include "ui/BuildContext.h"
#include "ui/Drag.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"
#include "ui/Lifecycle.h"
#include "ui/PickAndPlace.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMovie>
#include <QPainter>
#include <cmath>

namespace ui {

Image *Image::create(BuildContext &context, const ControlDesign &row)
{
    auto *i = new Image(context.parentFor(row));
    i->setStretch(row.isStretched);
    i->applyDesign(row, context);
    if (!row.picturePath.isEmpty())
        i->setPicturePath(row.picturePath);
    if (row.dragAutomatic) {
        i->setAutomaticDrag(true);
        i->setDragIcon(scaledPicture(row.dragIconPath));
    }
    return i;
}

Image::Image(QWidget *parent)
    : QWidget(parent)
    , ControlBase(this)
{
    // An image takes every drag of the program's own and does nothing with it, so a drop on a
    // picture never falls through to the picture box underneath.
    setAcceptDrops(true);
}

Image::~Image()
{
    pick::forget(this);
}

void Image::setAutomaticDrag(bool automatic)
{
    m_automaticDrag = automatic;
    setFocusPolicy(automatic ? Qt::StrongFocus : Qt::NoFocus);
    if (automatic)
        followInputKind();
}

void Image::setPicturePath(const QString &path)
{
    delete m_movie;
    m_movie = nullptr;
    m_path = path;
    m_pixmap = sharpPixmap(path);
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
        auto *movie = new QMovie(path, QByteArray(), this);
        if (movie->isValid() && movie->frameCount() > 1) {
            m_movie = movie;
            connect(m_movie, &QMovie::frameChanged, this, [this] { update(); });
            m_movie->jumpToFrame(0);
            m_pixmap = m_movie->currentPixmap();
            if (isVisible())
                m_movie->start();
        } else {
            delete movie;
        }
    }
    m_designSize = m_pixmap.deviceIndependentSize();
    update();
    updateGeometry();
}

void Image::setPicture(const QPixmap &pixmap)
{
    delete m_movie;
    m_movie = nullptr;
    m_pixmap = pixmap;
    m_path.clear();
    m_designSize = QSizeF();
    update();
    updateGeometry();
}

QSize Image::shownSize() const
{
    if (m_stretch)
        return size();
    // A picture as large as its control in the design fills the control to the pixel, however
    // the control's edges were rounded.
    const QSizeF box(designPixelsOf(Width()), designPixelsOf(Height()));
    if (std::abs(box.width() - m_designSize.width()) < 0.5 && std::abs(box.height() - m_designSize.height()) < 0.5)
        return size();
    return pictureSizeAt(Left(), Top(), m_designSize);
}

QPixmap Image::Picture() const
{
    if (m_path.isEmpty())
        return m_pixmap;
    return pictureAt(m_path, shownSize(), m_movie ? m_movie->currentFrameNumber() : 0);
}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

QSize Image::sizeHint() const
{
    // A picture from elsewhere is shown at its own size; one of the program's at its size here.
    if (m_path.isEmpty())
        return m_pixmap.isNull() ? QSize(32, 32) : m_pixmap.deviceIndependentSize().toSize();
    return m_designSize.isEmpty() ? QSize(32, 32) : shownSize();
}

void Image::paintEvent(QPaintEvent *)
{
    const QPixmap p = Picture();
    if (p.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.45);
    const bool lifted = pick::carried() == this;
    if (lifted)
        painter.setOpacity(0.5); // the picture is on its way elsewhere
    if (m_stretch)
        painter.drawPixmap(rect(), p);
    else
        painter.drawPixmap(QPointF(0, 0), p);
    painter.setOpacity(1.0);
    if (lifted) {
        // Black and white together show on every back colour.
        const int b = scaledPixels(1);
        drawOutline(painter, rect(), designPen(Qt::black));
        drawOutline(painter, rect().adjusted(b, b, -b, -b), designPen(Qt::white, 2));
    } else if (showsKeyboardFocus(this)) {
        drawOutline(painter, rect(), designPen(Qt::black, 1, Qt::DotLine));
    }
}

void Image::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (m_movie)
        m_movie->start();
}

void Image::hideEvent(QHideEvent *e)
{
    // An animation costs nothing while it cannot be seen.
    if (m_movie)
        m_movie->setPaused(true);
    // A picture that can no longer be seen cannot stay picked up.
    if (pick::carried() == this)
        pick::putBack();
    QWidget::hideEvent(e);
}

void Image::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled() && pick::carried() == this)
            pick::putBack();
        update();
    }
    QWidget::changeEvent(e);
}

void Image::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (m_automaticDrag && isEnabled()) {
        // A press alone does not tell a drag from a click: the move decides.
        m_dragArmed = true;
        m_pressedAt = e->position().toPoint();
        return;
    }
    m_pressed = true;
}

void Image::mouseMoveEvent(QMouseEvent *e)
{
    if (!m_dragArmed || !(e->buttons() & Qt::LeftButton))
        return;
    if ((e->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragArmed = false;
    startDrag();
}

void Image::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && std::exchange(m_dragArmed, false)) {
        if (rect().contains(e->position().toPoint()) && isEnabled())
            togglePickedUp();
        return;
    }
    const bool wasPressed = std::exchange(m_pressed, false);
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Click();
}

void Image::keyPressEvent(QKeyEvent *e)
{
    if (m_automaticDrag && isEnabled() && e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        togglePickedUp();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool Image::hasPlaceToLand() const
{
    return window()->findChild<PictureBox *>() != nullptr;
}

bool Image::pickUp()
{
    if (pick::carried() == this)
        return true;
    if (!m_automaticDrag || !isEnabled() || !hasPlaceToLand())
        return false;
    pick::pickUp(this, m_dragIcon.isNull() ? Picture() : m_dragIcon);
    return true;
}

void Image::togglePickedUp()
{
    if (pick::carried() == this) {
        pick::putBack();
        announce(tr("%1, put back").arg(accessibleName()));
    } else if (pickUp()) {
        announce(tr("%1, picked up").arg(accessibleName()));
    }
}

void Image::startDrag()
{
    pick::putBack();
    // The drop handler runs inside the drag's own loop and may show message boxes; keep this
    // window's controls alive until the drag has returned.
    HandlerScope scope;
    auto *drag = new QDrag(this);
    drag->setMimeData(dragPayload(this));
    const QPixmap icon = m_dragIcon.isNull() ? Picture() : m_dragIcon;
    if (!icon.isNull()) {
        drag->setPixmap(icon);
        drag->setHotSpot(
            QPoint(int(icon.deviceIndependentSize().width() / 2), int(icon.deviceIndependentSize().height() / 2)));
    }
    const DragInProgress dragging(this);
    drag->exec(Qt::MoveAction);
}

void Image::dragEnterEvent(QDragEnterEvent *e)
{
    enterIfOurs(e);
}

void Image::dragMoveEvent(QDragMoveEvent *e)
{
    holdIfOurs(e);
}

void Image::dropEvent(QDropEvent *e)
{
    holdIfOurs(e);
}

} // namespace ui
