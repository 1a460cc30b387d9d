#pragma once
#include <QList>
#include <QString>
#include <optional>

// One row of a window's control table: what the control is, where it stands (twips), how it
// looks and its design-time state. Rows are written fluently so that a window's table reads
// like its layout table:
//
//   label("lblOn").at(0, 2760, 6975, 1095).caption("On Your Mark!").fore(red).font(arial(50.25).bold()).hidden()
namespace ui {

enum class Kind {
    Label, Button, TextBox, CheckBox, OptionButton, Frame, Image, PictureBox, Line, Timer,
    ToolBar, StatusBar, Menu, MenuItem, Separator
};
enum class Align { Left, Center, Right };

struct FontSpec {
    QString family;
    double points = 0;
    bool isBold = false;
    bool isItalic = false;
    FontSpec &bold() { isBold = true; return *this; }
    FontSpec &italic() { isItalic = true; return *this; }
};
inline FontSpec arial(double points) { return FontSpec{QStringLiteral("Arial"), points}; }
inline FontSpec sansSerif(double points) { return FontSpec{QStringLiteral("MS Sans Serif"), points}; }

struct ToolButtonSpec {
    QString key;
    QString text;
    QString icon; // resource path
};

enum class PanelStyle { Text, Time, Date };
struct PanelSpec {
    QString key;
    PanelStyle style = PanelStyle::Text;
};

struct ControlSpec {
    Kind kind = Kind::Label;
    QString name;
    int index = -1;             // control-array index, -1 for a plain control
    QString container;          // frame or picture box it lies in; empty: the window
    int containerIndex = -1;
    QString captionText;
    double left = 0, top = 0, width = 0, height = 0; // twips; a line's x1, y1, x2, y2
    std::optional<quint32> backColor, foreColor;     // &H00BBGGRR&
    std::optional<FontSpec> fontSpec;
    bool isVisible = true;
    bool isEnabled = true;
    bool isChecked = false;     // option button selected, check box ticked
    Align alignment = Align::Left;
    bool autoSizeToText = false;
    bool isStretched = false;
    QString picturePath;
    bool isPassword = false;
    bool isDefault = false, isCancel = false;
    int tab = -1;
    int intervalMs = 0;
    QString tagText;
    QString roleName;           // accessible name of a control without a caption
    bool dragAutomatic = false;
    QString dragIconPath;
    QList<ToolButtonSpec> toolButtons;
    QList<PanelSpec> statusPanels;

    ControlSpec &at(double l, double t, double w, double h) { left = l; top = t; width = w; height = h; return *this; }
    ControlSpec &from(double x1, double y1) { left = x1; top = y1; return *this; }
    ControlSpec &to(double x2, double y2) { width = x2; height = y2; return *this; }
    ControlSpec &in(const QString &c, int ci = -1) { container = c; containerIndex = ci; return *this; }
    ControlSpec &caption(const QString &c) { captionText = c; return *this; }
    ControlSpec &back(quint32 c) { backColor = c; return *this; }
    ControlSpec &fore(quint32 c) { foreColor = c; return *this; }
    ControlSpec &font(const FontSpec &f) { fontSpec = f; return *this; }
    ControlSpec &hidden() { isVisible = false; return *this; }
    ControlSpec &visible(bool v) { isVisible = v; return *this; }
    ControlSpec &disabled() { isEnabled = false; return *this; }
    ControlSpec &enabled(bool e) { isEnabled = e; return *this; }
    ControlSpec &checked(bool c = true) { isChecked = c; return *this; }
    ControlSpec &align(Align a) { alignment = a; return *this; }
    ControlSpec &centred() { alignment = Align::Center; return *this; }
    ControlSpec &autoSize() { autoSizeToText = true; return *this; }
    ControlSpec &picture(const QString &path) { picturePath = path; return *this; }
    ControlSpec &stretch() { isStretched = true; return *this; }
    ControlSpec &password() { isPassword = true; return *this; }
    ControlSpec &defaultButton() { isDefault = true; return *this; }
    ControlSpec &cancelButton() { isCancel = true; return *this; }
    ControlSpec &tabIndex(int t) { tab = t; return *this; }
    ControlSpec &interval(int ms) { intervalMs = ms; return *this; }
    ControlSpec &tag(const QString &t) { tagText = t; return *this; }
    ControlSpec &accessibleName(const QString &n) { roleName = n; return *this; }
    ControlSpec &dragIcon(const QString &path) { dragAutomatic = true; dragIconPath = path; return *this; }
    ControlSpec &buttons(QList<ToolButtonSpec> b) { toolButtons = std::move(b); return *this; }
    ControlSpec &panels(QList<PanelSpec> p) { statusPanels = std::move(p); return *this; }
    ControlSpec &element(int i) { index = i; return *this; }
};

inline ControlSpec makeSpec(Kind kind, const QString &name, int index = -1)
{
    ControlSpec s;
    s.kind = kind;
    s.name = name;
    s.index = index;
    return s;
}
inline ControlSpec label(const QString &n, int i = -1) { return makeSpec(Kind::Label, n, i); }
inline ControlSpec button(const QString &n, int i = -1) { return makeSpec(Kind::Button, n, i); }
inline ControlSpec textBox(const QString &n, int i = -1) { return makeSpec(Kind::TextBox, n, i); }
inline ControlSpec checkBox(const QString &n, int i = -1) { return makeSpec(Kind::CheckBox, n, i); }
inline ControlSpec optionButton(const QString &n, int i = -1) { return makeSpec(Kind::OptionButton, n, i); }
inline ControlSpec frame(const QString &n, int i = -1) { return makeSpec(Kind::Frame, n, i); }
inline ControlSpec image(const QString &n, int i = -1) { return makeSpec(Kind::Image, n, i); }
inline ControlSpec pictureBox(const QString &n, int i = -1) { return makeSpec(Kind::PictureBox, n, i); }
inline ControlSpec line(const QString &n, int i = -1) { return makeSpec(Kind::Line, n, i); }
inline ControlSpec timer(const QString &n) { return makeSpec(Kind::Timer, n); }
inline ControlSpec toolBar(const QString &n) { return makeSpec(Kind::ToolBar, n); }
inline ControlSpec statusBar(const QString &n) { return makeSpec(Kind::StatusBar, n); }
// A top-level menu of the menu bar; with no items under it, it acts at once when chosen.
inline ControlSpec topMenu(const QString &n, const QString &caption) { return makeSpec(Kind::Menu, n).caption(caption); }
inline ControlSpec menuItem(const QString &n, const QString &caption) { return makeSpec(Kind::MenuItem, n).caption(caption); }
inline ControlSpec menuSeparator(const QString &n) { return makeSpec(Kind::Separator, n); }

// The window itself.
enum class Border { Sizable, Fixed, FixedDialog, None };
struct FormSpec {
    QString caption;
    quint32 backColor = 0x00C0C0C0;
    double clientWidth = 4680, clientHeight = 3195; // twips
    Border border = Border::Sizable;
    bool controlBox = true;
    bool centred = false;
    bool maximized = false;
};

} // namespace ui
