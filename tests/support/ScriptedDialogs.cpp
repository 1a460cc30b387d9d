// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedDialogs.h"

ui::MsgResult ScriptedDialogs::messageBox(const ui::MessageRequest &request)
{
    shown.append(request);
    if (!m_during.isEmpty())
        m_during.takeFirst()();
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    if (request.buttons == ui::MsgButtons::YesNo)
        ++unplanned;
    return request.buttons == ui::MsgButtons::YesNo ? ui::MsgResult::No : ui::MsgResult::OK;
}

QString ScriptedDialogs::inputBox(const QString &prompt, const QString &)
{
    prompts.append(prompt);
    if (m_inputs.isEmpty()) {
        ++unplanned;
        return {};
    }
    return m_inputs.takeFirst();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const auto &r : shown)
        result << r.text;
    return result;
}

void ScriptedDialogs::clear()
{
    shown.clear();
    prompts.clear();
    m_answers.clear();
    m_inputs.clear();
    m_during.clear();
    unplanned = 0;
    beeps = 0;
}
