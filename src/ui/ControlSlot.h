// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"

#include <QList>
#include <QString>
#include <deque>
#include <type_traits>
#include <vector>

class QObject;

namespace ui {

class Form;

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
    ControlSlot(Form *form, const char *name, QList<ControlDesign> rows, bool array);
    // A single control named from data: it keeps the name its row carries (see ControlSet).
    ControlSlot(Form *form, const ControlDesign &namedRow);
    ~ControlSlot() = default;
    // The built control of an element; loads the window if needed.
    QObject *object(int index);

private:
    friend class Form;
    void attach(int index, QObject *control);
    void detach();
    int position(int index) const;

    Form *m_form;
    QString m_name;
    QList<ControlDesign> m_rows;
    std::vector<QObject *> m_built; // by row
    bool m_array;
};

// A single control: cmdSpin()->setEnabled(false).
template <class W> class Control : public ControlSlot {
public:
    using Object = typename KindOf<W>::Object;
    Control(Form *form, const char *name, const Row<W> &row)
        : ControlSlot(form, name, { row }, false)
    {
    }
    Object *operator()() { return static_cast<Object *>(object(-1)); }
};

// A control array, indexed as its rows are: imgBicycle(5)->show().
template <class W> class ControlArray : public ControlSlot {
public:
    using Object = typename KindOf<W>::Object;
    ControlArray(Form *form, const char *name, const Rows<W> &rows)
        : ControlSlot(form, name, QList<ControlDesign>(rows.cbegin(), rows.cend()), true)
    {
    }
    Object *operator()(int index) { return static_cast<Object *>(object(index)); }
};

// The rows of a set of controls named from data, each row carrying its own name.
template <class W> struct NamedRows : QList<Row<W>> {
    using QList<Row<W>>::QList;
};

[[noreturn]] void missingNamedControl(const Form *form, const char *set, const QString &name);

// A set of controls of one kind whose names come from data (a help window's topic labels): one
// control per row, each under the name its row carries, built in row order just as if each were
// declared on its own line. Reached by name, topicLabels("lblRules")->show(), or in row order
// by iterating; reaching one while the window is not loaded loads the window.
template <class W> class ControlSet {
public:
    using Object = typename KindOf<W>::Object;

    class Member : public ControlSlot {
    public:
        Member(Form *form, const Row<W> &row)
            : ControlSlot(form, row)
        {
        }
        Object *operator()() { return static_cast<Object *>(object(-1)); }
    };

    ControlSet(Form *form, const char *name, const NamedRows<W> &rows)
        : m_form(form)
        , m_name(name)
    {
        // A deque keeps every member where it was built: the window holds their addresses.
        for (const Row<W> &row : rows)
            m_members.emplace_back(form, row);
    }
    ControlSet(const ControlSet &) = delete;
    ControlSet &operator=(const ControlSet &) = delete;

    Object *operator()(const QString &name) { return member(name)(); }
    Member &member(const QString &name)
    {
        for (Member &m : m_members) {
            if (m.name() == name)
                return m;
        }
        missingNamedControl(m_form, m_name, name);
    }
    auto begin() { return m_members.begin(); }
    auto end() { return m_members.end(); }
    std::size_t size() const { return m_members.size(); }

private:
    Form *m_form;
    const char *m_name;
    std::deque<Member> m_members;
};

template <class R> struct SlotFor;
template <class W> struct SlotFor<Row<W>> {
    using type = Control<W>;
};
template <class W> struct SlotFor<QList<Row<W>>> {
    using type = ControlArray<W>;
};
template <class W> struct SlotFor<NamedRows<W>> {
    using type = ControlSet<W>;
};

} // namespace ui

// Declares a control of a window by its given name and its design row (a control array by its
// rows, a set of controls named from data by its named rows):
//   UI_CONTROL(cmdSpin, button().caption("Spin").at(1200, 720, 975, 615));
// clang-format off
#define UI_CONTROL(name, ...) \
    typename ::ui::SlotFor<std::remove_cvref_t<decltype(__VA_ARGS__)>>::type name { this, #name, __VA_ARGS__ }
// clang-format on
