// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlSlot.h"

namespace ui {

ControlSlot::ControlSlot(
    ControlHost *host, const char *context, const char *name, QList<ControlDesign> rows, bool array)
    : m_host(host)
    , m_name(QString::fromLatin1(name))
    , m_rows(std::move(rows))
    , m_built(m_rows.size(), nullptr)
    , m_array(array)
{
    for (ControlDesign &row : m_rows) {
        row.context = context;
        if (!row.namedByData)
            row.name = m_name;
        if (!m_array)
            row.index = -1;
    }
    host->declare(this);
}

int ControlSlot::position(int index) const
{
    if (!m_array)
        return index < 0 ? 0 : -1;
    // Arrays are written in index order, so the row of an index is usually at that position.
    if (index >= 0 && index < m_rows.size() && m_rows[index].index == index)
        return index;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].index == index)
            return i;
    }
    return -1;
}

QObject *ControlSlot::built(int index) const
{
    const int at = position(index);
    return at < 0 ? nullptr : m_built[at];
}

QObject *ControlSlot::object(int index)
{
    const int at = position(index);
    if (at < 0)
        qFatal("window %s has no control %s(%d)", qPrintable(m_host->hostName()), qPrintable(m_name), index);
    if (!m_built[at])
        m_host->loadForControls();
    return m_built[at];
}

void ControlSlot::attach(int index, QObject *control)
{
    m_built[position(index)] = control;
}

void ControlSlot::detach()
{
    std::fill(m_built.begin(), m_built.end(), nullptr);
}

} // namespace ui
