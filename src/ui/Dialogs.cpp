// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"

#include "ui/Announce.h"

#include "ui/Form.h"
#include "ui/MessageBoxLook.h"
#include "ui/Program.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace ui {
namespace {

QWidget *dialogParent()
{
    Form *active = Program::instance().activeForm();
    return active && active->isLoaded() && active->isVisible() ? active->view() : nullptr;
}

// The width at which a window manager shows the title whole: the title in a bold title font
// (window managers draw titles bold and often larger than the text of the window), and room
// for the window icon and the buttons beside it, or on both sides of a centred title.
int widthForTitle(const QString &title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

// A message box sizes itself from its layout when shown; a row that is only as wide as the
// title widens it.
void fitTitle(QMessageBox &box)
{
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
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
        QPushButton *yes = nullptr;
        if (r.buttons == MsgButtons::YesNo) {
            yes = box.addButton(QMessageBox::Yes);
            QPushButton *no = box.addButton(QMessageBox::No);
            box.setDefaultButton(r.defaultButton == MsgResult::No ? no : yes);
            box.setEscapeButton(no);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        fitMessageBoxToScale(box);
        fitTitle(box);
        box.setAccessibleDescription(justAnnounced());
        box.exec();
        if (r.buttons == MsgButtons::YesNo)
            return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
        return MsgResult::OK;
    }

    QString inputBox(const QString &prompt, const QString &title) override
    {
        QInputDialog dialog(dialogParent());
        dialog.setWindowTitle(title.isEmpty() ? programTitle() : title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(QString());
        dialog.setInputMode(QInputDialog::TextInput);
        // The dialog takes its minimum size from its layout; its prompt is the widest row.
        fitInputBoxToScale(dialog, widthForTitle(dialog.windowTitle()));
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
