// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Controls.h"

#include "ui/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ui {

void setBackColor(QWidget *w, quint32 bgr)
{
    QPalette p = w->palette();
    const QColor c = vbColor(bgr);
    if (qobject_cast<QPushButton *>(w)) {
        p.setColor(QPalette::Button, c); // the button's face
    } else if (qobject_cast<QLineEdit *>(w)) {
        p.setColor(QPalette::Base, c);
    } else {
        p.setColor(QPalette::Window, c);
        w->setAutoFillBackground(true);
        // Check boxes and option buttons fill with the button role unless told otherwise.
        if (qobject_cast<QAbstractButton *>(w))
            w->setBackgroundRole(QPalette::Window);
    }
    w->setPalette(p);
    w->setProperty("ui_backColor", bgr);
}

void setForeColor(QWidget *w, quint32 bgr)
{
    // Only the role the control draws its own text with, so that controls inside a frame keep
    // their own colours; and only the active and inactive groups, so that a disabled control
    // keeps the toolkit's greyed text.
    QPalette::ColorRole role = QPalette::WindowText;
    if (qobject_cast<QPushButton *>(w))
        role = QPalette::ButtonText;
    else if (qobject_cast<QLineEdit *>(w))
        role = QPalette::Text;
    QPalette p = w->palette();
    const QColor c = vbColor(bgr);
    for (auto group : { QPalette::Active, QPalette::Inactive })
        p.setColor(group, role, c);
    w->setPalette(p);
    w->setProperty("ui_foreColor", bgr);
}

quint32 foreColor(const QWidget *w)
{
    const QVariant v = w->property("ui_foreColor");
    return v.isValid() ? v.toUInt() : 0;
}

quint32 backColor(const QWidget *w)
{
    const QVariant v = w->property("ui_backColor");
    if (v.isValid())
        return v.toUInt();
    const QColor c = w->palette().color(QPalette::Window);
    return rgb(c.red(), c.green(), c.blue());
}

namespace {

bool isFocusKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

// Keeps each window's "keyboard in use" mark, which Qt itself sets on Tab and the style reads
// for the focus rectangles it draws: set by the keys that move or use the focus, cleared by a
// click.
class InputKindWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w)
            return false;
        if (event->type() == QEvent::KeyPress && isFocusKey(static_cast<QKeyEvent *>(event)->key()))
            mark(w->window(), true);
        else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            mark(w->window(), false);
        return false;
    }

private:
    static void mark(QWidget *window, bool keyboard)
    {
        if (window->testAttribute(Qt::WA_KeyboardFocusChange) == keyboard)
            return;
        window->setAttribute(Qt::WA_KeyboardFocusChange, keyboard);
        if (QWidget *focus = window->focusWidget())
            focus->update();
    }
};

} // namespace

void followInputKind()
{
    static QPointer<InputKindWatch> watch;
    if (watch || !qApp)
        return;
    watch = new InputKindWatch(qApp);
    qApp->installEventFilter(watch);
}

bool showsKeyboardFocus(const QWidget *w)
{
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void drawOutline(QPainter &p, const QRect &r, const QPen &pen)
{
    p.setPen(pen);
    const qreal w = std::max<qreal>(1, pen.widthF());
    if (w == 1) {
        p.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    const qreal half = w / 2;
    p.drawRect(QRectF(r).adjusted(half, half, -half, -half));
}

Label::Label(QWidget *parent)
    : QLabel(parent)
    , ControlBase(this)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    // CR LF (and a lone CR or LF) breaks the line.
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
    describeCaption(caption);
    if (m_autoSize)
        fitToText();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    setWordWrap(!autoSize);
    if (autoSize)
        fitToText();
}

void Label::setTransparent(bool transparent)
{
    setAutoFillBackground(!transparent);
    setAttribute(Qt::WA_TranslucentBackground, transparent);
}

void Label::setLink(bool link)
{
    setFocusPolicy(link ? Qt::StrongFocus : Qt::NoFocus);
    if (link)
        followInputKind();
}

void Label::keyPressEvent(QKeyEvent *e)
{
    const bool press = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (focusPolicy() != Qt::NoFocus && press && e->modifiers() == Qt::NoModifier) {
        emit Click();
        return;
    }
    QLabel::keyPressEvent(e);
}

void Label::paintEvent(QPaintEvent *e)
{
    QLabel::paintEvent(e);
    if (!showsKeyboardFocus(this))
        return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

void Label::fitToText()
{
    const QSize hint = sizeHint();
    // Keep Left and Top; the size follows the text.
    const QRect g = geometry();
    setGeometry(g.x(), g.y(), hint.width(), hint.height());
}

void Label::mousePressEvent(QMouseEvent *e)
{
    m_pressed = true;
    QLabel::mousePressEvent(e);
}

void Label::mouseReleaseEvent(QMouseEvent *e)
{
    const bool inside = rect().contains(e->position().toPoint());
    const bool wasPressed = std::exchange(m_pressed, false);
    int button = 0;
    if (e->button() == Qt::LeftButton)
        button = 1;
    else if (e->button() == Qt::RightButton)
        button = 2;
    else if (e->button() == Qt::MiddleButton)
        button = 4;
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (e->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (e->modifiers() & Qt::AltModifier)
        shift |= 4;
    emit MouseUp(button, shift, pixelsToTwips(e->position().toPoint().x()), pixelsToTwips(e->position().toPoint().y()));
    if (wasPressed && inside && e->button() == Qt::LeftButton)
        emit Click();
}

Button::Button(QWidget *parent)
    : QPushButton(parent)
    , ControlBase(this)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &Button::Click);
    followInputKind();
}

QRect Button::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

bool Button::captionWraps() const
{
    return fontMetrics().horizontalAdvance(text()) > captionRect().width();
}

void Button::paintColouredFace(QPainter &p) const
{
    // The style shades a face into a gradient of its colour; a coloured button shows its colour
    // as given, inside a plain bevel that sinks while the button is down.
    const QRect r = rect();
    const int b = scaledPixels(1);
    p.fillRect(r, palette().color(QPalette::Button));
    const QRect inner = r.adjusted(b, b, -b, -b);
    const bool sunken = isDown() || isChecked();
    const QColor lit = palette().color(sunken ? QPalette::Dark : QPalette::Light);
    p.fillRect(QRect(inner.left(), inner.top(), inner.width(), b), lit);
    p.fillRect(QRect(inner.left(), inner.top(), b, inner.height()), lit);
    if (!sunken) {
        const QColor dark = palette().color(QPalette::Dark);
        p.fillRect(QRect(inner.left(), inner.bottom() - b + 1, inner.width(), b), dark);
        p.fillRect(QRect(inner.right() - b + 1, inner.top(), b, inner.height()), dark);
    }
    drawOutline(p, r, QPen(palette().color(QPalette::Shadow), b, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (showsKeyboardFocus(this)) {
        const int in = scaledPixels(3);
        drawOutline(p, r.adjusted(in, in, -in, -in), QPen(palette().color(QPalette::ButtonText), b, Qt::DotLine));
    }
}

void Button::paintEvent(QPaintEvent *e)
{
    const bool coloured = property("ui_backColor").isValid();
    const bool wraps = captionWraps();
    if (!coloured && !wraps) {
        QPushButton::paintEvent(e);
        return;
    }
    // The face without its caption, then the caption centred (and word-wrapped when too wide).
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    if (coloured) {
        paintColouredFace(painter);
    } else {
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
    }
    QRect area = captionRect();
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0);
    painter.drawItemText(area, flags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
    , ControlBase(this)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

CheckBox::CheckBox(QWidget *parent)
    : QCheckBox(parent)
    , ControlBase(this)
{
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
    followInputKind();
}

void CheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style places its box from the top; on a control lower than the box it would lose its
    // bottom edge. The box shrinks to the height and stands centred in it.
    QStyleOptionButton box = option;
    box.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    const int side = std::min({ box.rect.width(), box.rect.height(), height() });
    box.rect = QRect(box.rect.x(), (height() - side) / 2, side, side);
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    p.drawControl(QStyle::CE_CheckBoxLabel, label);
    if (showsKeyboardFocus(this)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_CheckBoxFocusRect, &option, this);
        focus.backgroundColor = palette().color(QPalette::Window);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

OptionButton::OptionButton(QWidget *parent)
    : QRadioButton(parent)
    , ControlBase(this)
{
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit Click();
    });
    followInputKind();
}

void OptionButton::setValue(bool selected)
{
    if (selected) {
        setChecked(true);
        return;
    }
    // An exclusive group never lets its checked button go; lift the exclusivity for a moment.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

Frame::Frame(QWidget *parent)
    : QGroupBox(parent)
    , ControlBase(this)
{
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int captionHeight = title().isEmpty() ? 0 : fm.height();
    const int top = captionHeight / 2;
    // An etched border: dark outside, light inside and along the right and bottom.
    const int b = scaledPixels(1);
    const auto pen = [b, this](QPalette::ColorRole role) {
        return QPen(palette().color(role), b, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    };
    drawOutline(p, rect().adjusted(0, top, 0, 0), pen(QPalette::Dark));
    drawOutline(p, rect().adjusted(b, top + b, 0, 0), pen(QPalette::Light));
    if (!title().isEmpty()) {
        const int x = fm.averageCharWidth();
        const int w = fm.horizontalAdvance(title()) + 4;
        p.fillRect(QRect(x, 0, w, captionHeight), palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(QRect(x + 2, 0, w, captionHeight), Qt::AlignLeft | Qt::AlignVCenter, title());
    }
}

void Frame::mousePressEvent(QMouseEvent *e)
{
    // A group box ignores presses, which would hand the release (and so the click) to the
    // window behind it; a frame takes clicks.
    m_pressed = e->button() == Qt::LeftButton;
    e->accept();
}

void Frame::mouseReleaseEvent(QMouseEvent *e)
{
    const bool wasPressed = std::exchange(m_pressed, false);
    e->accept();
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Click();
}

Line::Line(QWidget *parent)
    : QWidget(parent)
    , ControlBase(this)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Line::setEnds(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    const double pad = pixelsToTwips(scaledPixels(2) + scaledPixels(lineWidth));
    Move(std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::abs(x2 - x1) + 2 * pad, std::abs(y2 - y1) + 2 * pad);
    update();
}

void Line::setColor(quint32 bgr)
{
    m_color = vbColor(bgr);
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPoint origin = geometry().topLeft();
    const QPoint a(twipsToPixels(m_x1) - origin.x(), twipsToPixels(m_y1) - origin.y());
    const QPoint b(twipsToPixels(m_x2) - origin.x(), twipsToPixels(m_y2) - origin.y());
    if (a.x() == b.x() || a.y() == b.y()) {
        // Filled whole pixels: a smoothed pen on a pixel boundary would smear the line over two
        // rows in a darker shade of its colour.
        const QPoint from(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
        const int w = scaledPixels(lineWidth);
        const QPoint to(std::max(a.x(), b.x()) + w - 1, std::max(a.y(), b.y()) + w - 1);
        p.fillRect(QRect(from, to), m_color);
        return;
    }
    // A slanted line is smoothed, through the pixel centres so that its ends sit where an
    // upright line from the same point would start.
    p.setRenderHint(QPainter::Antialiasing);
    const int w = scaledPixels(lineWidth);
    p.setPen(QPen(m_color, w, Qt::SolidLine, Qt::FlatCap));
    const QPointF centre(w / 2.0, w / 2.0);
    p.drawLine(QPointF(a) + centre, QPointF(b) + centre);
}

} // namespace ui
