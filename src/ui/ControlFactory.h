#pragma once
#include "ui/ControlDesign.h"

#include <QHash>
#include <QList>
#include <QPair>

class QMenu;
class QObject;
class QWidget;

namespace ui {

class Form;
class FormView;

// Builds a window's controls from its table, in table order (a container comes before what
// lies in it), and registers each under its name and index.
class ControlFactory
{
public:
    ControlFactory(Form *form, FormView *view, QHash<QString, QObject *> &controls, QHash<QString, QMenu *> &menus);
    QObject *build(const ControlDesign &design);
    // Tab order, mnemonics of labels, default and cancel buttons.
    void finish();

private:
    QWidget *containerOf(const ControlDesign &design) const;
    QObject *buildMenu(const ControlDesign &design);
    QObject *registerControl(const ControlDesign &design, QObject *control);

    Form *m_form;
    FormView *m_view;
    QHash<QString, QObject *> &m_controls;
    QHash<QString, QMenu *> &m_menus;
    QList<QPair<int, QWidget *>> m_tabOrder;
    QList<QPair<int, QWidget *>> m_mnemonicLabels;
};

void applyFont(QWidget *w, const FontDesign &font);

} // namespace ui
