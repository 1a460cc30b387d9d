// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Colours.h"

#include <QList>
#include <QString>
#include <optional>
#include <utility>

// One row of a window's design: what a control is, where it stands (twips), how it looks and
// its design-time state. A window declares each control with its row, written fluently so that
// the declarations read like the window's layout table:
//
//   UI_CONTROL(lblOn, label().at(0, 2760, 6975, 1095).caption("On Your Mark!").fore(red).hidden());
class QAction;

namespace ui {

class ControlSlot;

enum class Kind {
    Label,
    Button,
    TextBox,
    CheckBox,
    OptionButton,
    Frame,
    Image,
    PictureBox,
    Line,
    Timer,
    ToolBar,
    StatusBar,
    Menu,
    MenuItem,
    Separator
};
enum class Align { Left, Center, Right };

struct FontDesign {
    QString family;
    double points = 0;
    bool isBold = false;
    bool isItalic = false;
    FontDesign &bold()
    {
        isBold = true;
        return *this;
    }
    FontDesign &italic()
    {
        isItalic = true;
        return *this;
    }
};
inline FontDesign arial(double points)
{
    return FontDesign { QStringLiteral("Arial"), points };
}
inline FontDesign sansSerif(double points)
{
    return FontDesign { QStringLiteral("MS Sans Serif"), points };
}

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
    int index = -1; // control-array index, -1 for a plain control
    const ControlSlot *containerSlot = nullptr; // frame, picture box or menu it lies in; null: the window
    int containerIndex = -1;
    QString captionText;
    double left = 0, top = 0, width = 0, height = 0; // twips; a line's x1, y1, x2, y2
    std::optional<quint32> backColor, foreColor; // &H00BBGGRR&
    std::optional<FontDesign> fontSpec;
    bool isVisible = true;
    bool isEnabled = true;
    bool isChecked = false; // option button selected, check box ticked
    Align alignment = Align::Left;
    bool autoSizeToText = false;
    bool isStretched = false;
    QString picturePath;
    bool isPassword = false;
    bool isDefault = false, isCancel = false;
    int tab = -1;
    int intervalMs = 0;
    QString tagText;
    QString roleName; // accessible name of a control without a caption
    bool dragAutomatic = false;
    bool isLink = false;
    QString dragIconPath;
    QList<ToolButtonDesign> toolButtons;
    QList<PanelDesign> statusPanels;
};

// The kinds of control a window declares; the menu kinds are all QActions.
class Label;
class Button;
class TextBox;
class CheckBox;
class OptionButton;
class Frame;
class Image;
class PictureBox;
class Line;
class Timer;
class ToolBar;
class StatusBar;
struct TopMenu;
struct MenuItem;
struct MenuSeparator;

template <class W> struct KindOf {
    using Object = W;
};
#define UI_KIND_OF(W, K, O)                                                                                            \
    template <> struct KindOf<W> {                                                                                     \
        static constexpr Kind value = Kind::K;                                                                         \
        using Object = O;                                                                                              \
    };
UI_KIND_OF(Label, Label, Label)
UI_KIND_OF(Button, Button, Button)
UI_KIND_OF(TextBox, TextBox, TextBox)
UI_KIND_OF(CheckBox, CheckBox, CheckBox)
UI_KIND_OF(OptionButton, OptionButton, OptionButton)
UI_KIND_OF(Frame, Frame, Frame)
UI_KIND_OF(Image, Image, Image)
UI_KIND_OF(PictureBox, PictureBox, PictureBox)
UI_KIND_OF(Line, Line, Line)
UI_KIND_OF(Timer, Timer, Timer)
UI_KIND_OF(ToolBar, ToolBar, ToolBar)
UI_KIND_OF(StatusBar, StatusBar, StatusBar)
UI_KIND_OF(TopMenu, Menu, QAction)
UI_KIND_OF(MenuItem, MenuItem, QAction)
UI_KIND_OF(MenuSeparator, Separator, QAction)
#undef UI_KIND_OF

// A design row of a given kind; the control it declares gets its name from the declaration.
template <class W> struct Row : ControlDesign {
    Row() { kind = KindOf<W>::value; }
    Row &at(double l, double t, double w, double h)
    {
        left = l;
        top = t;
        width = w;
        height = h;
        return *this;
    }
    // A line's two ends.
    Row &from(double x1, double y1)
    {
        left = x1;
        top = y1;
        return *this;
    }
    Row &to(double x2, double y2)
    {
        width = x2;
        height = y2;
        return *this;
    }
    // The frame, picture box or menu the control lies in, declared before it.
    Row &in(const ControlSlot &c, int ci = -1)
    {
        containerSlot = &c;
        containerIndex = ci;
        return *this;
    }
    Row &element(int i)
    {
        index = i;
        return *this;
    }
    Row &caption(const QString &c) { return set(&ControlDesign::captionText, c); }
    Row &back(quint32 c) { return set(&ControlDesign::backColor, std::optional<quint32>(c)); }
    Row &fore(quint32 c) { return set(&ControlDesign::foreColor, std::optional<quint32>(c)); }
    Row &font(const FontDesign &f) { return set(&ControlDesign::fontSpec, std::optional<FontDesign>(f)); }
    Row &hidden() { return set(&ControlDesign::isVisible, false); }
    Row &visible(bool v) { return set(&ControlDesign::isVisible, v); }
    Row &disabled() { return set(&ControlDesign::isEnabled, false); }
    Row &checked(bool c = true) { return set(&ControlDesign::isChecked, c); }
    Row &align(Align a) { return set(&ControlDesign::alignment, a); }
    Row &centred() { return set(&ControlDesign::alignment, Align::Center); }
    Row &autoSize() { return set(&ControlDesign::autoSizeToText, true); }
    Row &picture(const QString &path) { return set(&ControlDesign::picturePath, path); }
    Row &stretch() { return set(&ControlDesign::isStretched, true); }
    Row &password() { return set(&ControlDesign::isPassword, true); }
    Row &defaultButton() { return set(&ControlDesign::isDefault, true); }
    Row &cancelButton() { return set(&ControlDesign::isCancel, true); }
    Row &tabIndex(int t) { return set(&ControlDesign::tab, t); }
    // A label that acts when clicked takes the focus too, and Space or Enter clicks it.
    Row &link() { return set(&ControlDesign::isLink, true); }
    Row &interval(int ms) { return set(&ControlDesign::intervalMs, ms); }
    Row &tag(const QString &t) { return set(&ControlDesign::tagText, t); }
    Row &accessibleName(const QString &n) { return set(&ControlDesign::roleName, n); }
    Row &dragIcon(const QString &path)
    {
        dragAutomatic = true;
        return set(&ControlDesign::dragIconPath, path);
    }
    Row &buttons(QList<ToolButtonDesign> b) { return set(&ControlDesign::toolButtons, std::move(b)); }
    Row &panels(QList<PanelDesign> p) { return set(&ControlDesign::statusPanels, std::move(p)); }

private:
    template <class Field, class Value> Row &set(Field ControlDesign::*field, Value &&value)
    {
        this->*field = std::forward<Value>(value);
        return *this;
    }
};

// The rows of a control array, indexed as the array is.
template <class W> using Rows = QList<Row<W>>;

// The vocabulary of the design tables, in scope in every window's class.
struct DesignVocabulary : Colours {
    static Row<Label> label() { return {}; }
    static Row<Button> button() { return {}; }
    static Row<TextBox> textBox() { return {}; }
    static Row<CheckBox> checkBox() { return {}; }
    static Row<OptionButton> optionButton() { return {}; }
    static Row<Frame> frame() { return {}; }
    static Row<Image> image() { return {}; }
    static Row<PictureBox> pictureBox() { return {}; }
    static Row<Line> line() { return {}; }
    static Row<Timer> timer() { return {}; }
    static Row<ToolBar> toolBar() { return {}; }
    static Row<StatusBar> statusBar() { return {}; }
    // A top-level menu of the menu bar; with no items under it, it acts at once when chosen.
    static Row<TopMenu> topMenu(const QString &caption) { return Row<TopMenu>().caption(caption); }
    static Row<MenuItem> menuItem(const QString &caption) { return Row<MenuItem>().caption(caption); }
    static Row<MenuSeparator> menuSeparator() { return {}; }
    static FontDesign arial(double points) { return ui::arial(points); }
    static FontDesign sansSerif(double points) { return ui::sansSerif(points); }
};

// The window itself.
enum class Border { Sizable, Fixed, FixedDialog, None };
struct FormDesign {
    QString caption;
    quint32 backColor = Colours::grey;
    double clientWidth = 4680, clientHeight = 3195; // twips
    Border border = Border::Sizable;
    bool controlBox = true;
    bool centred = false;
    bool maximized = false;
};

} // namespace ui
