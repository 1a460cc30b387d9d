// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"

#include <QList>
#include <QString>
#include <type_traits>
#include <vector>

class QObject;

namespace ui {

class ControlSlot;
class Form;

// The window a control is declared in: it keeps the list of its controls and builds them all
// when it loads.
class ControlHost {
public:
    virtual QString hostName() const = 0;
    virtual void declare(ControlSlot *slot) = 0;
    virtual void loadForControls() = 0;

protected:
    ~ControlHost() = default;
};

// A control of a window, declared once as a member of the window's class together with its
// design row (or, for a control array, its rows). The window builds it on every load and
// forgets it on unload; reaching it while the window is not loaded loads the window.
class ControlSlot {
public:
    ControlSlot(const ControlSlot &) = delete;
    ControlSlot &operator=(const ControlSlot &) = delete;

    const QString &name() const { return m_name; }
    const QList<ControlDesign> &rows() const { return m_rows; }
    bool isArray() const { return m_array; }
    // The built control of an element, or null while the window is not loaded.
    QObject *built(int index = -1) const;

protected:
    ControlSlot(ControlHost *host, const char *context, const char *name, QList<ControlDesign> rows, bool array);
    ~ControlSlot() = default;
    // The built control of an element; loads the window if needed.
    QObject *object(int index);

private:
    friend class Form;
    void attach(int index, QObject *control);
    void detach();
    int position(int index) const;

    ControlHost *m_host;
    QString m_name;
    QList<ControlDesign> m_rows;
    std::vector<QObject *> m_built; // by row
    bool m_array;
};

// A single control: cmdSpin()->setEnabled(false).
template <class W> class Control : public ControlSlot {
public:
    using Object = BuiltObject<W>;
    Control(ControlHost *host, const char *context, const char *name, const Row<W> &row)
        : ControlSlot(host, context, name, { row }, false)
    {
    }
    Object *operator()() { return static_cast<Object *>(object(-1)); }
};

// A control array, indexed as its rows are: imgBicycle(5)->show(). Its elements share its name,
// or each keeps the name its row carries (a help window's topics, named from their table).
template <class W> class ControlArray : public ControlSlot {
public:
    using Object = BuiltObject<W>;
    ControlArray(ControlHost *host, const char *context, const char *name, const Rows<W> &rows)
        : ControlSlot(host, context, name, QList<ControlDesign>(rows.cbegin(), rows.cend()), true)
    {
    }
    Object *operator()(int index) { return static_cast<Object *>(object(index)); }
};

template <class R> struct SlotFor;
template <class W> struct SlotFor<Row<W>> {
    using type = Control<W>;
};
template <class W> struct SlotFor<QList<Row<W>>> {
    using type = ControlArray<W>;
};

} // namespace ui

// Declares a control of a window by its given name and its design row (a control array by its
// rows):
//   UI_CONTROL(cmdSpin, button().caption("Spin").at(1200, 720, 975, 615));
// clang-format off
#define UI_CONTROL(name, ...) \
    typename ::ui::SlotFor<std::remove_cvref_t<decltype(__VA_ARGS__)>>::type name { this, staticMetaObject.className(), #name, __VA_ARGS__ }
// clang-format on
