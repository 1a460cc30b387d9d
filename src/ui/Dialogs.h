// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Every modal message box, input box and beep of the program goes through this interface:
// Qt dialogs in the program, scripted answers in tests.
namespace ui {

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Information, Exclamation, Question };
enum class MsgResult { OK, Yes, No };

struct MessageRequest {
    QString text;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    QString title; // the program's title when empty
    MsgResult defaultButton = MsgResult::OK;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult messageBox(const MessageRequest &request) = 0;
    // Returns the typed text; Cancel gives the empty string.
    virtual QString inputBox(const QString &prompt, const QString &title) = 0;
    virtual void beep() = 0;
};

// The title every box carries when none is given.
QString programTitle();

MsgResult MsgBox(const QString &text, MsgButtons buttons = MsgButtons::OK, MsgIcon icon = MsgIcon::None,
    const QString &title = {}, MsgResult defaultButton = MsgResult::OK);
QString InputBox(const QString &prompt, const QString &title = {});
void Beep();

// Installs the implementation; nullptr restores the Qt dialogs. The caller keeps ownership.
void setDialogs(Dialogs *dialogs);
Dialogs &dialogs();

} // namespace ui
