// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlDesign.h"

#include <QList>
#include <QPair>

class QMenu;
class QObject;
class QWidget;

namespace ui {

class Form;
class FormView;

// Builds a window's controls from their design rows, one at a time (a container comes before
// what lies in it).
class ControlFactory {
public:
    ControlFactory(Form *form, FormView *view);
    QObject *build(const ControlDesign &design);
    // Tab order, mnemonics of labels, default and cancel buttons.
    void finish();

private:
    QWidget *containerOf(const ControlDesign &design) const;
    QObject *buildMenu(const ControlDesign &design);

    Form *m_form;
    FormView *m_view;
    bool m_hasMenus = false;
    QList<QPair<int, QWidget *>> m_tabOrder;
    QList<QPair<int, QWidget *>> m_mnemonicLabels;
};

void applyFont(QWidget *w, const FontDesign &font);

} // namespace ui
