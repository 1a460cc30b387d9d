// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/ScriptedDialogs.h"

#include <vector>

// A fresh run of the program for each test: no window has been used yet, message boxes are
// scripted, the random sequence is fixed, and "end" is recorded instead of ending the process.
class ProgramFixture {
public:
    ProgramFixture();
    ~ProgramFixture();
    void restart(); // call from init(): a new run

    // Lets queued events run (deferred deletions, posted events), without sleeping.
    static void settle();

    ScriptedDialogs dialogs;
    int endCount = 0;
    // How often a game went home; the shell's tests install the real launcher instead.
    int homeCount = 0;
};
