// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ViewBuilder.h"

#include "ui/Accessible.h"
#include "ui/ControlBase.h"
#include "ui/ControlSlot.h"
#include "ui/FormView.h"

#include <QLabel>
#include <QMenuBar>
#include <algorithm>

namespace ui {

ViewBuilder::ViewBuilder(FormView *view)
    : m_view(view)
{
    installAccessibility();
}

QObject *ViewBuilder::build(const ControlDesign &row)
{
    if (row.containerSlot && !row.containerSlot->built(row.containerIndex))
        qFatal(
            "%s lies in %s, which is declared after it", qPrintable(row.name), qPrintable(row.containerSlot->name()));
    return row.build(*this, row);
}

QWidget *ViewBuilder::parentFor(const ControlDesign &row)
{
    if (!row.containerSlot)
        return m_view->client();
    return qobject_cast<QWidget *>(containerOf(row));
}

QObject *ViewBuilder::containerOf(const ControlDesign &row)
{
    return row.containerSlot ? row.containerSlot->built(row.containerIndex) : nullptr;
}

QObject *ViewBuilder::owner()
{
    return m_view;
}

QMenuBar *ViewBuilder::menuBar()
{
    return m_view->menuBar();
}

void ViewBuilder::setDefaultButton(QPushButton *button)
{
    m_view->setDefaultButton(button);
}

void ViewBuilder::setCancelButton(QPushButton *button)
{
    m_view->setCancelButton(button);
}

void ViewBuilder::dockTop(QWidget *bar)
{
    m_view->client()->dockTop(bar);
}

void ViewBuilder::dockBottom(QWidget *bar)
{
    m_view->client()->dockBottom(bar);
}

void ViewBuilder::addTabStop(int tab, QWidget *control)
{
    m_tabOrder.append({ tab, control });
}

void ViewBuilder::finish()
{
    std::stable_sort(
        m_tabOrder.begin(), m_tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    // Labels hold a place in the tab order but never take the focus.
    const auto isLabel = [](QWidget *w) { return qobject_cast<QLabel *>(w) != nullptr; };
    QWidget *previous = nullptr;
    for (const auto &entry : std::as_const(m_tabOrder)) {
        if (isLabel(entry.second))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, entry.second);
        previous = entry.second;
    }
    // The window opens with the focus on the first control in the tab order that can take it.
    for (const auto &entry : std::as_const(m_tabOrder)) {
        QWidget *w = entry.second;
        if ((w->focusPolicy() & Qt::TabFocus) && enabled(w) && visible(w)) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    // A label's mnemonic moves the focus to the control that follows it in the tab order.
    for (const auto &label : std::as_const(m_tabOrder)) {
        auto *l = qobject_cast<QLabel *>(label.second);
        if (!l || !l->text().contains(QLatin1Char('&')))
            continue;
        const auto buddy = std::find_if(m_tabOrder.cbegin(), m_tabOrder.cend(),
            [&](const auto &entry) { return entry.first > label.first && !isLabel(entry.second); });
        if (buddy != m_tabOrder.cend()) {
            l->setTextFormat(Qt::PlainText);
            l->setBuddy(buddy->second);
        }
    }
    // The window's menu bar exists only if the table has menus.
    if (m_view->menuWidget() && m_view->menuBar()->actions().isEmpty())
        m_view->setMenuBar(nullptr);
}

} // namespace ui
