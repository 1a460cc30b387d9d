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

struct FontDesign {
    QString family;
    double points = 0;
    bool isBold = false;
    bool isItalic = false;
    FontDesign &bold() { isBold = true; return *this; }
    FontDesign &italic() { isItalic = true; return *this; }
};
inline FontDesign arial(double points) { return FontDesign{QStringLiteral("Arial"), points}; }
inline FontDesign sansSerif(double points) { return FontDesign{QStringLiteral("MS Sans Serif"), points}; }

struct ToolButtonDesign {
    QString key;
    QString text;
    QString icon; // resource path
};

enum class PanelStyle { Text, Time, Date };
struct PanelDesign {
    QString key;
    PanelStyle style = PanelStyle::Text;
};

struct ControlDesign {
    Kind kind = Kind::Label;
    QString name;
    int index = -1;             // control-array index, -1 for a plain control
    QString container;          // frame or picture box it lies in; empty: the window
    int containerIndex = -1;
    QString captionText;
    double left = 0, top = 0, width = 0, height = 0; // twips; a line's x1, y1, x2, y2
    std::optional<quint32> backColor, foreColor;     // &H00BBGGRR&
    std::optional<FontDesign> fontSpec;
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
    bool isLink = false;
    QString dragIconPath;
    QList<ToolButtonDesign> toolButtons;
    QList<PanelDesign> statusPanels;

    ControlDesign &at(double l, double t, double w, double h) { left = l; top = t; width = w; height = h; return *this; }
    ControlDesign &from(double x1, double y1) { left = x1; top = y1; return *this; }
    ControlDesign &to(double x2, double y2) { width = x2; height = y2; return *this; }
    ControlDesign &in(const QString &c, int ci = -1) { container = c; containerIndex = ci; return *this; }
    ControlDesign &caption(const QString &c) { captionText = c; return *this; }
    ControlDesign &back(quint32 c) { backColor = c; return *this; }
    ControlDesign &fore(quint32 c) { foreColor = c; return *this; }
    ControlDesign &font(const FontDesign &f) { fontSpec = f; return *this; }
    ControlDesign &hidden() { isVisible = false; return *this; }
    ControlDesign &visible(bool v) { isVisible = v; return *this; }
    ControlDesign &disabled() { isEnabled = false; return *this; }
    ControlDesign &enabled(bool e) { isEnabled = e; return *this; }
    ControlDesign &checked(bool c = true) { isChecked = c; return *this; }
    ControlDesign &align(Align a) { alignment = a; return *this; }
    ControlDesign &centred() { alignment = Align::Center; return *this; }
    ControlDesign &autoSize() { autoSizeToText = true; return *this; }
    ControlDesign &picture(const QString &path) { picturePath = path; return *this; }
    ControlDesign &stretch() { isStretched = true; return *this; }
    ControlDesign &password() { isPassword = true; return *this; }
    ControlDesign &defaultButton() { isDefault = true; return *this; }
    ControlDesign &cancelButton() { isCancel = true; return *this; }
    ControlDesign &tabIndex(int t) { tab = t; return *this; }
    // A label that acts when clicked takes the focus too, and Space or Enter clicks it.
    ControlDesign &link() { isLink = true; return *this; }
    ControlDesign &interval(int ms) { intervalMs = ms; return *this; }
    ControlDesign &tag(const QString &t) { tagText = t; return *this; }
    ControlDesign &accessibleName(const QString &n) { roleName = n; return *this; }
    ControlDesign &dragIcon(const QString &path) { dragAutomatic = true; dragIconPath = path; return *this; }
    ControlDesign &buttons(QList<ToolButtonDesign> b) { toolButtons = std::move(b); return *this; }
    ControlDesign &panels(QList<PanelDesign> p) { statusPanels = std::move(p); return *this; }
    ControlDesign &element(int i) { index = i; return *this; }
};

inline ControlDesign makeDesign(Kind kind, const QString &name, int index = -1)
{
    ControlDesign s;
    s.kind = kind;
    s.name = name;
    s.index = index;
    return s;
}
inline ControlDesign label(const QString &n, int i = -1) { return makeDesign(Kind::Label, n, i); }
inline ControlDesign button(const QString &n, int i = -1) { return makeDesign(Kind::Button, n, i); }
inline ControlDesign textBox(const QString &n, int i = -1) { return makeDesign(Kind::TextBox, n, i); }
inline ControlDesign checkBox(const QString &n, int i = -1) { return makeDesign(Kind::CheckBox, n, i); }
inline ControlDesign optionButton(const QString &n, int i = -1) { return makeDesign(Kind::OptionButton, n, i); }
inline ControlDesign frame(const QString &n, int i = -1) { return makeDesign(Kind::Frame, n, i); }
inline ControlDesign image(const QString &n, int i = -1) { return makeDesign(Kind::Image, n, i); }
inline ControlDesign pictureBox(const QString &n, int i = -1) { return makeDesign(Kind::PictureBox, n, i); }
inline ControlDesign line(const QString &n, int i = -1) { return makeDesign(Kind::Line, n, i); }
inline ControlDesign timer(const QString &n) { return makeDesign(Kind::Timer, n); }
inline ControlDesign toolBar(const QString &n) { return makeDesign(Kind::ToolBar, n); }
inline ControlDesign statusBar(const QString &n) { return makeDesign(Kind::StatusBar, n); }
// A top-level menu of the menu bar; with no items under it, it acts at once when chosen.
inline ControlDesign topMenu(const QString &n, const QString &caption) { return makeDesign(Kind::Menu, n).caption(caption); }
inline ControlDesign menuItem(const QString &n, const QString &caption) { return makeDesign(Kind::MenuItem, n).caption(caption); }
inline ControlDesign menuSeparator(const QString &n) { return makeDesign(Kind::Separator, n); }

// The window itself.
enum class Border { Sizable, Fixed, FixedDialog, None };
struct FormDesign {
    QString caption;
    quint32 backColor = 0x00C0C0C0;
    double clientWidth = 4680, clientHeight = 3195; // twips
    Border border = Border::Sizable;
    bool controlBox = true;
    bool centred = false;
    bool maximized = false;
};

} // namespace ui
