// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Dialogs.h"

#include <QList>
#include <QStringList>

// Test double for the message boxes and input boxes: records what the program showed and
// answers from a script. A box with no planned answer is answered with its safest choice (OK,
// No, Cancel) and counted as unplanned, so a test can tell an unexpected question.
class ScriptedDialogs : public ui::Dialogs {
public:
    ui::MsgResult messageBox(const ui::MessageRequest &request) override;
    QString inputBox(const QString &prompt, const QString &title) override;
    void beep() override { ++beeps; }

    void answer(ui::MsgResult result) { m_answers.append(result); }
    void type(const QString &text) { m_inputs.append(text); }
    void cancelInput() { m_inputs.append(QString()); }
    // Runs inside the next message box, before it is answered (to act while it is open).
    void duringNextBox(std::function<void()> action) { m_during.append(std::move(action)); }

    QStringList texts() const;
    void clear();

    QList<ui::MessageRequest> shown;
    QStringList prompts;
    int unplanned = 0;
    int beeps = 0;

private:
    QList<ui::MsgResult> m_answers;
    QStringList m_inputs;
    QList<std::function<void()>> m_during;
};
