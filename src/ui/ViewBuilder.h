// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/BuildContext.h"

#include <QList>
#include <QPair>

namespace ui {

class FormView;

// Builds a window's view from its design rows, each control building itself into it, then
// sets the tab order, the labels' mnemonics and the first focus.
class ViewBuilder final : public BuildContext {
public:
    explicit ViewBuilder(FormView *view);
    QObject *build(const ControlDesign &row);
    void finish();

    QWidget *parentFor(const ControlDesign &row) override;
    QObject *containerOf(const ControlDesign &row) override;
    QObject *owner() override;
    QMenuBar *menuBar() override;
    void setDefaultButton(QPushButton *button) override;
    void setCancelButton(QPushButton *button) override;
    void dockTop(QWidget *bar) override;
    void dockBottom(QWidget *bar) override;
    void addTabStop(int tab, QWidget *control) override;

private:
    FormView *m_view;
    QList<QPair<int, QWidget *>> m_tabOrder;
};

} // namespace ui
