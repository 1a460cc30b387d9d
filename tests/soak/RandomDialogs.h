// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Dialogs.h"

#include <QHash>
#include <QStringList>
#include <random>

// Answers every message box and input box at random, the way a child would: any button, and
// for input boxes numbers, nonsense, huge values, control characters, other scripts and Cancel.
class RandomDialogs : public ui::Dialogs {
public:
    explicit RandomDialogs(std::mt19937 &rng)
        : m_rng(rng)
    {
    }
    ui::MsgResult messageBox(const ui::MessageRequest &request) override;
    QString inputBox(const QString &prompt, const QString &title) override;
    void beep() override { }
    long boxes = 0;
    QHash<QString, long> texts; // how often each message was shown

private:
    std::mt19937 &m_rng;
};
