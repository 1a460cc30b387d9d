// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Picture.h"

#include "ui/Accessible.h"
#include "ui/Controls.h"
#include "ui/PickAndPlace.h"
#include "ui/Pictures.h"
#include "ui/Program.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMovie>
#include <QPainter>

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
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
        auto *movie = new QMovie(path, QByteArray(), this);
        if (movie->isValid() && movie->frameCount() > 1) {
            m_movie = movie;
            connect(m_movie, &QMovie::frameChanged, this, [this] { update(); });
            m_movie->jumpToFrame(0);
            m_pixmap = m_movie->currentPixmap();
            m_path = path;
            m_fitted.clear();
            if (isVisible())
                m_movie->start();
            update();
            updateGeometry();
            return;
        }
        delete movie;
    }
    setPicture(scaledPicture(path));
    m_path = path;
}

void Image::setPicture(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    m_path.clear();
    m_fitted.clear();
    update();
    updateGeometry();
}

QPixmap Image::Picture() const
{
    if (!m_movie)
        return m_pixmap;
    if (displayScale() == 1.0)
        return m_movie->currentPixmap();
    // An animation's frames are drawn at the display scale from their vector sources.
    const QSizeF design = m_movie->currentPixmap().deviceIndependentSize();
    const QPixmap frame = vectorPicture(
        m_path, QSize(scaledPixels(design.width()), scaledPixels(design.height())), m_movie->currentFrameNumber());
    return frame.isNull() ? m_movie->currentPixmap() : frame;
}

QPixmap Image::fitted() const
{
    if (displayScale() == 1.0 || m_path.isEmpty())
        return Picture();
    if (m_fittedSize != size()) {
        m_fitted.clear();
        m_fittedSize = size();
    }
    const int frame = m_movie ? m_movie->currentFrameNumber() : 0;
    auto it = m_fitted.find(frame);
    if (it == m_fitted.end())
        it = m_fitted.insert(frame, vectorPicture(m_path, size(), frame));
    return it->isNull() ? Picture() : *it;
}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

QSize Image::sizeHint() const
{
    const QPixmap p = Picture();
    return p.isNull() ? QSize(32, 32) : p.deviceIndependentSize().toSize();
}

void Image::paintEvent(QPaintEvent *)
{
    const QPixmap p = m_stretch ? fitted() : Picture();
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
        drawOutline(painter, rect(), QPen(Qt::black, b, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setPen(QPen(Qt::white, 2 * b));
        painter.drawRect(rect().adjusted(2 * b, 2 * b, -2 * b, -2 * b));
    } else if (showsKeyboardFocus(this)) {
        drawOutline(painter, rect(), QPen(Qt::black, scaledPixels(1), Qt::DotLine));
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

void Image::togglePickedUp()
{
    if (pick::carried() == this)
        pick::putBack();
    else if (hasPlaceToLand())
        pick::pickUp(this);
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

namespace {

// Pictures and picture boxes both let one of the program's own drags in, to be told where it may
// land; a foreign drag is not theirs to take.
void enterIfOurs(QDragEnterEvent *e)
{
    if (dragSource(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

// A picture stops the program's own drags from falling through to the picture box it stands in:
// it takes them and does nothing with them. A foreign drag passes on.
void holdIfOurs(QDropEvent *e)
{
    if (dragSource(e->mimeData())) {
        e->setDropAction(Qt::IgnoreAction);
        e->accept();
    } else {
        e->ignore();
    }
}

} // namespace

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

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
    , ControlBase(this)
{
    setAcceptDrops(true);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    // Takes the focus so that a picked-up picture can be put down on it with Enter.
    setFocusPolicy(Qt::StrongFocus);
    followInputKind();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint()))
        return;
    // As with a drop, only the box's own surface takes the picture, never a control inside it.
    if (onOwnSurface(e->position()) && putDownHere(e->position()))
        return;
    emit Click();
}

void PictureBox::keyPressEvent(QKeyEvent *e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && e->modifiers() == Qt::NoModifier && putDownHere(QRectF(rect()).center()))
        return;
    QFrame::keyPressEvent(e);
}

bool PictureBox::putDownHere(const QPointF &at)
{
    Image *source = pick::takeFor(window());
    if (!source)
        return false;
    const QPoint p = at.toPoint();
    emit DragDrop(source, pixelsToTwips(p.x()), pixelsToTwips(p.y()));
    return true;
}

void PictureBox::paintEvent(QPaintEvent *e)
{
    QFrame::paintEvent(e);
    if (!showsKeyboardFocus(this))
        return;
    QPainter painter(this);
    const int in = scaledPixels(2);
    drawOutline(painter, rect().adjusted(in, in, -in, -in), QPen(Qt::black, scaledPixels(1), Qt::DotLine));
}

bool PictureBox::onOwnSurface(const QPointF &at) const
{
    // Qt hands a drop that a disabled control inside cannot take on to this box; the control
    // still covers that part of the box.
    return childAt(at.toPoint()) == nullptr;
}

void PictureBox::dragEnterEvent(QDragEnterEvent *e)
{
    enterIfOurs(e);
}

void PictureBox::dragMoveEvent(QDragMoveEvent *e)
{
    if (dragSource(e->mimeData()) && onOwnSurface(e->position()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void PictureBox::dropEvent(QDropEvent *e)
{
    ControlBase *source = dragSource(e->mimeData());
    if (!source || !onOwnSurface(e->position())) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    const QPoint p = e->position().toPoint();
    emit DragDrop(source, pixelsToTwips(p.x()), pixelsToTwips(p.y()));
}

} // namespace ui
