// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class QPainter;

// The plain controls of the window tables, each a Qt widget with the events the windows handle.
namespace ui {

void setBackColor(QWidget *w, quint32 bgr);
void setForeColor(QWidget *w, quint32 bgr);
quint32 foreColor(const QWidget *w);
quint32 backColor(const QWidget *w);

// Whether w is to draw its focus rectangle: it has the focus, and its window has been used from
// the keyboard (Tab, arrows, Space or Enter) since the last mouse click there, as on desktops,
// where a click leaves no rectangle behind. Controls that draw their own focus call
// followInputKind() once so that the keys and clicks are watched.
bool showsKeyboardFocus(const QWidget *w);
void followInputKind();

// An outline just inside r, as wide as the pen (a pen the designs give one pixel wide, already
// at the display scale), so that outlines grow with the windows and still meet the edges.
void drawOutline(QPainter &p, const QRect &r, const QPen &pen);

// A label: wraps words at its width and breaks lines at CR LF; its caption is kept exactly as
// set (leading blanks and runs of blanks included).
class Label : public QLabel, public ControlBase {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setAutoSize(bool autoSize);
    void setTransparent(bool transparent);
    // A label that acts when clicked (a help topic) is a tab stop as well: Space, Enter or
    // Return click it, and the style's focus rectangle shows where the focus is.
    void setLink(bool link);
signals:
    void Click();
    void MouseUp(int button, int shift, double x, double y);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void fitToText();
    QString m_caption;
    bool m_autoSize = false;
    bool m_pressed = false;
};

// A push button; its face takes the back colour (exactly, within a bevel), and a caption too
// wide for one line wraps at word breaks within the button.
class Button : public QPushButton, public ControlBase {
    Q_OBJECT
public:
    explicit Button(QWidget *parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString &c)
    {
        setText(c);
        describeCaption(c);
    }
    // Whether the caption is drawn on more than one line at the button's present size.
    bool captionWraps() const;
signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QRect captionRect() const;
    void paintColouredFace(QPainter &p) const;
};

// A text box; Change runs on every change of its text, typed or set by code.
class TextBox : public QLineEdit, public ControlBase {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
    QString Text() const { return text(); }
    void setTextValue(const QString &t) { setText(t); }
signals:
    void Change();
};

// A check box holding 0 (unticked) or 1 (ticked); Click runs whenever its value changes.
class CheckBox : public QCheckBox, public ControlBase {
    Q_OBJECT
public:
    explicit CheckBox(QWidget *parent = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
signals:
    void Click();

protected:
    // A click anywhere on the control counts, not only on its box and text.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    // The box is drawn whole even on a control lower than the style's box.
    void paintEvent(QPaintEvent *e) override;
};

// An option button of its container's group. Click runs when it becomes selected, by the user
// or by code, never when an already selected button is clicked again. Code may also unselect
// it, leaving the group with no selection.
class OptionButton : public QRadioButton, public ControlBase {
    Q_OBJECT
public:
    explicit OptionButton(QWidget *parent = nullptr);
    bool Value() const { return isChecked(); }
    void setValue(bool selected);
signals:
    void Click();

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// A frame (with or without a caption) that also takes clicks.
class Frame : public QGroupBox, public ControlBase {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);
signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    // Drawn in exactly its back colour, with an etched border and its caption on the border.
    void paintEvent(QPaintEvent *e) override;

private:
    bool m_pressed = false;
};

// A straight line between two points, drawn under the other controls; it takes no input.
class Line : public QWidget, public ControlBase {
    Q_OBJECT
public:
    explicit Line(QWidget *parent = nullptr);
    void setEnds(double x1, double y1, double x2, double y2);
    void setColor(quint32 bgr);
    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }
    double X2() const { return m_x2; }
    double Y2() const { return m_y2; }
    // Every line of the windows is one pixel wide.
    static constexpr int lineWidth = 1;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_color = Qt::black;
};

} // namespace ui
