#include "ui/Dialogs.h"

#include "ui/Form.h"
#include "ui/Program.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

QWidget *dialogParent()
{
    Form *active = Program::instance().activeForm();
    return active && active->isLoaded() && active->isVisible() ? active->view() : nullptr;
}

class QtDialogs final : public Dialogs {
public:
    MsgResult messageBox(const MessageRequest &r) override
    {
        QMessageBox box(dialogParent());
        box.setWindowTitle(r.title.isEmpty() ? programTitle() : r.title);
        box.setText(QString(r.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        box.setTextFormat(Qt::PlainText);
        switch (r.icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        if (r.buttons == MsgButtons::YesNo) {
            QPushButton *yes = box.addButton(QMessageBox::Yes);
            QPushButton *no = box.addButton(QMessageBox::No);
            box.setDefaultButton(r.defaultButton == MsgResult::No ? no : yes);
            box.setEscapeButton(no);
            box.exec();
            return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgResult::OK;
    }

    QString inputBox(const QString &prompt, const QString &title) override
    {
        QInputDialog dialog(dialogParent());
        dialog.setWindowTitle(title.isEmpty() ? programTitle() : title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(QString());
        dialog.setInputMode(QInputDialog::TextInput);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }

    void beep() override { QApplication::beep(); }
};

QtDialogs &qtDialogs()
{
    static QtDialogs d;
    return d;
}

Dialogs *g_dialogs = nullptr;

} // namespace

QString programTitle()
{
    return QStringLiteral("Playhaven");
}

Dialogs &dialogs()
{
    return g_dialogs ? *g_dialogs : qtDialogs();
}

void setDialogs(Dialogs *d)
{
    g_dialogs = d;
}

MsgResult MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title, MsgResult defaultButton)
{
    if (Program::instance().ended())
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::OK;
    HandlerScope scope;
    return dialogs().messageBox({ text, buttons, icon, title, defaultButton });
}

QString InputBox(const QString &prompt, const QString &title)
{
    if (Program::instance().ended())
        return {};
    HandlerScope scope;
    return dialogs().inputBox(prompt, title);
}

void Beep()
{
    dialogs().beep();
}

} // namespace ui
