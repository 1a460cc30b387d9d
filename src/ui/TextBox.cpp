// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextBox.h"

#include "ui/BuildContext.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"

namespace ui {

TextBox *TextBox::create(BuildContext &context, const ControlDesign &row)
{
    auto *t = new TextBox(context.parentFor(row));
    if (row.isPassword)
        t->setEchoMode(QLineEdit::Password);
    t->applyDesign(row, context);
    // A text box's text is what was typed, never its name.
    t->setText(row.captionText);
    return t;
}

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
    , ControlBase(this)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

} // namespace ui
