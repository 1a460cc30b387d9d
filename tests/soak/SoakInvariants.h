// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SoakAgent.h"

// What must hold after every step of a soak, whatever the user did.
std::vector<SoakAgent::Invariant> soakInvariants();
// Only Exit, Cancel, the third failed logon and the close boxes that end the program may end it.
bool soakEndAllowed(const QString &lastAction);
// Actions that are likely to end the program (taken rarely by the soak).
bool soakEndsRun(const QString &action);
// The stone of the latest spin on the board, while the board is shown.
QWidget *soakAimedDropTarget();
