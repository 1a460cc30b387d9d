// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/ControlBase.h"
#include "ui/ControlDesign.h"

#include <QLineEdit>

namespace ui {

// A text box; Change runs on every change of its text, typed or set by code.
class TextBox : public QLineEdit, public ControlBase {
    Q_OBJECT
public:
    static TextBox *create(BuildContext &context, const ControlDesign &row);
    explicit TextBox(QWidget *parent = nullptr);
    QString Text() const { return text(); }
    void setTextValue(const QString &t) { setText(t); }
signals:
    void Change();
};

} // namespace ui
