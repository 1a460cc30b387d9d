// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Colours.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>
#include <type_traits>
#include <utility>

// One row of a window's design: what a control is, where it stands (twips), how it looks and
// its design-time state. A window declares each control with its row, written fluently so that
// the declarations read like the window's layout table:
//
//   UI_CONTROL(lblOn, label().at(0, 2760, 6975, 1095).caption("On Your Mark!").fore(red).hidden());
class QObject;

namespace ui {

class ControlSlot;

class BuildContext;

// How a control takes room in its window's design: a box at Left/Top/Width/Height, a line
// between two ends, a bar along an edge or in the menu bar, or none (a timer).
enum class Extent { Box, Ends, MenuBar, ToolBar, StatusBar, None };
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
    // Builds the control from this row, into the window being built; set by the row's kind.
    using Build = QObject *(*)(BuildContext &context, const ControlDesign &row);
    Build build = nullptr;
    Extent extent = Extent::Box;
    QString name;
    // The class whose table the row stands in: its texts are translated in that class's context,
    // where the translation tools find them.
    const char *context = nullptr;
    int index = -1; // control-array index, -1 for a plain control
    bool namedByData = false; // an array element that keeps its own name (a help topic)
    const ControlSlot *containerSlot = nullptr; // frame, picture box or menu it lies in; null: the window
    int containerIndex = -1;
    QString captionText;
    QString englishCaption; // a caption given already translated: its English, for the font rule
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
    bool isSeparator = false;
    QString dragIconPath;
    QList<ToolButtonDesign> toolButtons;
    QList<PanelDesign> statusPanels;

    // The caption and the accessible name in the language of the run.
    QString shownCaption() const { return shown(captionText); }
    QString shownRoleName() const { return shown(roleName); }
    // The English the caption must fit as well as (see ControlBase::fitCaption).
    QString sourceCaption() const { return englishCaption.isEmpty() ? captionText : englishCaption; }

private:
    QString shown(const QString &text) const
    {
        if (!context || text.isEmpty())
            return text;
        return QCoreApplication::translate(context, text.toUtf8().constData());
    }
};

// What a kind of control offers the design table: every kind has a static
//   static Kind *create(BuildContext &context, const ControlDesign &row);
// that builds it from its row (Kind being the object it builds: its own widget, or a QAction for
// the menu kinds), and may say how it takes room (static constexpr Extent extent).
template <class W>
using BuiltObject
    = std::remove_pointer_t<decltype(W::create(std::declval<BuildContext &>(), std::declval<const ControlDesign &>()))>;

template <class W> constexpr Extent extentOf()
{
    if constexpr (requires { W::extent; })
        return W::extent;
    else
        return Extent::Box;
}

// A design row of a given kind; the control it declares gets its name from the declaration.
template <class W> struct Row : ControlDesign {
    Row()
    {
        build = [](BuildContext &context, const ControlDesign &row) -> QObject * { return W::create(context, row); };
        extent = extentOf<W>();
    }
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
    // An element of an array that is named from data rather than by the array (a help topic).
    Row &named(const QString &n)
    {
        name = n;
        namedByData = true;
        return *this;
    }
    Row &caption(const QString &c) { return set(&ControlDesign::captionText, c); }
    // A caption composed in the language of the run, with the English it was composed from.
    Row &caption(const QString &shown, const QString &english)
    {
        set(&ControlDesign::englishCaption, english);
        return set(&ControlDesign::captionText, shown);
    }
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
    Row &separator() { return set(&ControlDesign::isSeparator, true); }
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
