// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QString>
#include <QWidget>
#include <optional>

// What every control of a window has besides its Qt widget: its given name and array index,
// its free text tag, and its position in twips. The twips are kept as set, so a position read
// back is exactly the one written (pixels would round it).
namespace ui {

class BuildContext;
struct ControlDesign;
struct FontDesign;

class ControlBase {
public:
    explicit ControlBase(QWidget *self);
    virtual ~ControlBase();
    ControlBase(const ControlBase &) = delete;
    ControlBase &operator=(const ControlBase &) = delete;

    QWidget *widget() const { return m_self; }
    QString controlName() const { return m_name; }
    int controlIndex() const { return m_index; }
    void setIdentity(const QString &name, int index);
    // What every control takes from its design row once its own kind has set it up: its
    // identity, tag and accessible name, font, colours, position (a box), visibility,
    // enabled state and place in the tab order. The caption is the kind's own.
    void applyDesign(const ControlDesign &row, BuildContext &context);

    // The name a screen reader gives a control that has no caption of its own ("Stone 7");
    // a control with a role name reads its caption, if it shows one, as its description.
    void setRoleName(const QString &name);
    QString roleName() const { return m_roleName; }
    // Keeps the accessible name (or, with a role name, the description) in step with the caption.
    void describeCaption(const QString &caption);

    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    void setLeft(double left) { Move(left, m_top, m_width, m_height); }
    void setTop(double top) { Move(m_left, top, m_width, m_height); }
    virtual void Move(double left, double top, double width, double height);

    // Whether the caption as shown stays inside the control: a word-wrapped caption within its
    // height and no word wider than the control. `source`, the table's English, may wrap into
    // more lines than show (a glossary term hides its "(click here)"): a translation may then
    // take as many lines as the English. A control without a caption always fits.
    virtual bool captionFits(const QString &source = {}) const;
    // In a translated run, a caption that does not fit shrinks the control's caption font in
    // steps of 5 %, down to 70 % of the table's size; English keeps the table's fonts exactly.
    void fitCaption(const QString &source = {});
    static constexpr double smallestCaptionFont = 0.7;

    // Lets drag payloads name a control without handing out raw pointers.
    quint64 id() const { return m_id; }
    static ControlBase *fromId(quint64 id);

protected:
    QWidget *m_self;
    // The font the caption is drawn in (a frame's caption has its own).
    virtual QFont captionFont() const { return m_self->font(); }
    virtual void setCaptionFont(const QFont &font) { m_self->setFont(font); }
    // How many lines `text` wraps into within `area` in `font`, and whether a word is wider.
    static int linesNeeded(const QFont &font, const QRect &area, int flags, const QString &text, bool *tooWide);

private:
    QString m_name;
    int m_index = -1;
    QString m_tag;
    QString m_roleName;
    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    std::optional<QFont> m_tableFont;
    quint64 m_id;
};

ControlBase *controlOf(QObject *object);

// A font of the design table, at the display scale, on top of the widget's own.
void applyFont(QWidget *w, const FontDesign &font);

void setBackColor(QWidget *w, quint32 bgr);
void setForeColor(QWidget *w, quint32 bgr);
quint32 foreColor(const QWidget *w);
quint32 backColor(const QWidget *w);
// The bars are drawn in the system's colours, whatever back colour their window has.
void useSystemColors(QWidget *bar);

// A control's own Visible and Enabled flags, which (unlike QWidget::isVisible and isEnabled)
// do not depend on whether its window or frame is shown or enabled.
bool visible(const QWidget *control);
bool enabled(const QWidget *control);

} // namespace ui
