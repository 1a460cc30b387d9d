// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomDialogs.h"

ui::MsgResult RandomDialogs::messageBox(const ui::MessageRequest &request)
{
    ++boxes;
    ++texts[request.text];
    if (request.buttons == ui::MsgButtons::OK)
        return ui::MsgResult::OK;
    return (m_rng() % 3 == 0) ? ui::MsgResult::No : ui::MsgResult::Yes;
}

QString RandomDialogs::inputBox(const QString &, const QString &)
{
    ++boxes;
    static const QStringList entries = {
        QString(),
        QStringLiteral("10"),
        QStringLiteral("3"),
        QStringLiteral("0"),
        QStringLiteral("-5"),
        QStringLiteral("12abc"),
        QStringLiteral("1 5"),
        QStringLiteral("2.5"),
        QStringLiteral("&H1F"),
        QStringLiteral("&O17"),
        QStringLiteral("1e3"),
        QStringLiteral("1e308"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("-1e40"),
        QStringLiteral("abc"),
        QStringLiteral("\t\n 7\r"),
        QStringLiteral("\x01\x02\x7f"),
        QStringLiteral("\u0663\u0664"),
        QStringLiteral("\u2167 \U0001F680"),
        QStringLiteral("&H"),
        QStringLiteral("&HFFFFFFFFFFFF"),
        QStringLiteral("1e"),
        QStringLiteral("--3"),
        QStringLiteral(".5"),
        QStringLiteral("32767"),
        QStringLiteral("32768"),
        QStringLiteral("-32768"),
        QStringLiteral("-32769"),
    };
    const unsigned pick = m_rng() % (entries.size() + 2);
    if (pick == unsigned(entries.size()))
        return QString(int(m_rng() % 20000) + 1, QLatin1Char('9'));
    if (pick == unsigned(entries.size()) + 1) {
        QString junk;
        const int n = int(m_rng() % 64);
        for (int i = 0; i < n; ++i)
            junk += QChar(char16_t(m_rng() % 0xD7FF + 1));
        return junk;
    }
    return entries[int(pick)];
}
