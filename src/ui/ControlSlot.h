#pragma once
#include "ui/ControlDesign.h"

#include <QList>
#include <QString>
#include <type_traits>
#include <vector>

class QObject;

namespace ui {

class Form;

// A control of a window, declared once as a member of the window's class together with its
// design row (or, for a control array, its rows). The window builds it on every load and
// forgets it on unload; reaching it while the window is not loaded loads the window.
class ControlSlot
{
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
template<class W> class Control : public ControlSlot
{
public:
    using Object = typename KindOf<W>::Object;
    Control(Form *form, const char *name, const Row<W> &row)
        : ControlSlot(form, name, { row }, false)
    {
    }
    Object *operator()() { return static_cast<Object *>(object(-1)); }
};

// A control array, indexed as its rows are: imgBicycle(5)->show().
template<class W> class ControlArray : public ControlSlot
{
public:
    using Object = typename KindOf<W>::Object;
    ControlArray(Form *form, const char *name, const Rows<W> &rows)
        : ControlSlot(form, name, QList<ControlDesign>(rows.cbegin(), rows.cend()), true)
    {
    }
    Object *operator()(int index) { return static_cast<Object *>(object(index)); }
};

template<class R> struct SlotFor;
template<class W> struct SlotFor<Row<W>> {
    using type = Control<W>;
};
template<class W> struct SlotFor<QList<Row<W>>> {
    using type = ControlArray<W>;
};

} // namespace ui

// Declares a control of a window by its given name and its design row (a control array by its
// rows): UI_OLD_CONTROL(cmdSpin, button().caption("Spin").at(1200, 720, 975, 615));
#define UI_CONTROL(name, ...)                                                                                              \
    typename ::ui::SlotFor<std::remove_cvref_t<decltype(__VA_ARGS__)>>::type name { this, #name, __VA_ARGS__ }
