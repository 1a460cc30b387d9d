// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

// The program's own command line, read before the toolkit starts (so that --help works without a
// display): an exit status where it has said all there is to say, nothing where the program
// runs. Every other argument is the toolkit's.
std::optional<int> handleCommandLine(int argc, char **argv);

// Makes the launcher the place every game goes back to when it ends.
void installHome();

// Starts Playhaven: the logon dialog is the first and only window.
void startPlayhaven();
