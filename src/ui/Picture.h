// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"

#include <QFrame>
#include <QHash>
#include <QPixmap>
#include <QPointer>

class QMovie;
class QMimeData;

// Images and picture boxes, and the drag and drop between them: an image in automatic drag
// mode starts a drag once the pressed mouse has moved by the platform's drag distance, with its
// drag icon as the drag image (a press and release without that move picks it up instead, see
// PickAndPlace.h); a picture
// box receives the drop with the dragged control, but only on its own surface, never on a
// control that lies inside it (enabled or not). Drags that carry anything else (text or
// files from another program) are refused.
namespace ui {

QString dragMimeType();
QMimeData *dragPayload(const ControlBase *source);
// The control a drag carries: nullptr for a stale drag, for a payload of another kind, and for
// one that does not come from this process's own drag in progress (another program, or another
// running copy of this one, can offer the same kind of payload with a number that means
// something else here).
ControlBase *dragSource(const QMimeData *mime);

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

class Image : public QWidget, public ControlBase {
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);
    ~Image() override;

    // A still picture, or an animated one (GIF) that loops while the image is shown.
    void setPicturePath(const QString &path);
    void setPicture(const QPixmap &pixmap);
    QPixmap Picture() const;
    bool hasAnimation() const { return m_movie != nullptr; }
    void setStretch(bool stretch);
    bool Stretch() const { return m_stretch; }

    void setDragIcon(const QPixmap &icon) { m_dragIcon = icon; }
    QPixmap DragIcon() const { return m_dragIcon; }
    // A picture in automatic drag mode also takes the keyboard focus, to be picked up with Space.
    void setAutomaticDrag(bool automatic);
    bool AutomaticDrag() const { return m_automaticDrag; }

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void startDrag();
    // A click or Space picks a picture up only where a picture box could take it: elsewhere
    // (a splash showing the markers) it would only hang on the cursor with nowhere to go.
    bool hasPlaceToLand() const;
    void togglePickedUp();
    // The picture drawn to fill the image (a stretched picture at a display scale other than
    // 1), afresh from its vector source for each size and frame.
    QPixmap fitted() const;
    QPixmap m_pixmap;
    QString m_path; // where the picture came from, while it is the one shown
    mutable QHash<int, QPixmap> m_fitted; // by frame, for m_fittedSize
    mutable QSize m_fittedSize;
    QMovie *m_movie = nullptr;
    bool m_stretch = false;
    bool m_automaticDrag = false;
    bool m_pressed = false;
    bool m_dragArmed = false; // pressed in automatic drag mode, not yet moved far enough
    QPoint m_pressedAt;
    QPixmap m_dragIcon;
};

class PictureBox : public QFrame, public ControlBase {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
signals:
    void Click();
    // The dragged control and the drop point in twips.
    void DragDrop(ui::ControlBase *source, double x, double y);

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    bool onOwnSurface(const QPointF &at) const;
    // Puts down the picture picked up in this window, if any, as a drop at `at` (pixels).
    bool putDownHere(const QPointF &at);
};

} // namespace ui
