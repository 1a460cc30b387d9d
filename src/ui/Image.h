// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QPixmap>
#include <QWidget>

class QMovie;

namespace ui {

// A picture control: a still picture or an animation (GIF) that loops while shown, drawn at the
// size it takes in its window (stretched to the control, or at its own size at the display
// scale). In automatic drag mode a press and a move by the platform's drag distance starts a
// drag with its drag icon, and a press and release without that move picks it up instead (see
// PickAndPlace.h). It takes the program's own drags and does nothing with them, so a drop on a
// picture never falls through to the picture box underneath.
class Image : public QWidget, public ControlBase {
    Q_OBJECT
public:
    static Image *create(BuildContext &context, const ControlDesign &row);
    explicit Image(QWidget *parent = nullptr);
    ~Image() override;

    void setPicturePath(const QString &path);
    // A picture from elsewhere (a file the user chose), shown as it is.
    void setPicture(const QPixmap &pixmap);
    // The picture as it is shown now (the animation's present frame).
    QPixmap Picture() const;
    bool hasAnimation() const { return m_movie != nullptr; }
    void setStretch(bool stretch);
    bool Stretch() const { return m_stretch; }

    void setDragIcon(const QPixmap &icon) { m_dragIcon = icon; }
    QPixmap DragIcon() const { return m_dragIcon; }
    // A picture in automatic drag mode also takes the keyboard focus, to be picked up with Space.
    void setAutomaticDrag(bool automatic);
    bool AutomaticDrag() const { return m_automaticDrag; }
    // Picks the picture up (see PickAndPlace.h) unless it already is; false where it cannot be.
    bool pickUp();

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
    // The size the picture is drawn at: the control's own when stretched or when the picture
    // is as large as the control in the design, otherwise its own size at the display scale.
    QSize shownSize() const;
    QPixmap m_pixmap; // a picture from elsewhere, or the still picture's first drawing
    QString m_path; // where the picture came from, while it is the one shown
    QSizeF m_designSize; // the picture's own size at scale 1
    QMovie *m_movie = nullptr;
    bool m_stretch = false;
    bool m_automaticDrag = false;
    bool m_pressed = false;
    bool m_dragArmed = false; // pressed in automatic drag mode, not yet moved far enough
    QPoint m_pressedAt;
    QPixmap m_dragIcon;
};

} // namespace ui
