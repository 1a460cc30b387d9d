// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <optional>
#include <string>

namespace ui {
class Form;
}

// The program's own command line, read before the toolkit starts (so that --help works without a
// display): what it asks to be told instead of a run (the help, or a wrong --scale or --lang),
// and the display scale and language the user chose, if any. Every other argument is the
// toolkit's.
struct CommandLine {
    enum class Answer { None, Help, WrongScale, WrongLanguage };
    Answer answer = Answer::None;
    std::optional<double> scale;
    std::optional<std::string> language; // --lang, in the catalogues' spelling
};
CommandLine readCommandLine(int argc, char **argv);

// Prints the command line's answer, in the language of the run, and returns the exit status:
// 0 after the help, 2 after a wrong option.
int answerCommandLine(const CommandLine &line);

// Every window of the program, each the one instance of its kind: the launcher and what it
// opens, in the order a player meets them. Start-up measures them; the tests go through them.
QList<ui::Form *> allWindows();

// Chooses the display scale of the run from the screen the program opens on, unless the user
// chose one, and uses it for every window.
void chooseDisplayScale(std::optional<double> chosen);

// Makes the launcher the place every game goes back to when it ends.
void installHome();

// Starts Playhaven: the logon dialog is the first and only window.
void startPlayhaven();
