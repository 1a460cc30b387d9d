// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QString>
#include <string>
#include <vector>

// The language the windows speak for the whole run, chosen once before the first window is
// built: the program's own catalogue (built in, ":/i18n/playhaven_<code>.qm") and the toolkit's
// for its own texts (Yes, No, Cancel, a text box's menu), from the system's Qt translations.
namespace ui {

// The languages the program ships a catalogue for, English aside.
std::vector<std::string> shippedLanguages();

// Chooses the language of the run: `chosen` (from the command line) when given, otherwise the
// desktop's first preferred language the program ships, otherwise English; loads its
// catalogues. Works before the application exists, so that the command line's own messages
// are already in it. Returns the code chosen.
std::string chooseLanguage(const std::string &chosen = {});

// Installs the chosen catalogues in the application, before the first window is built.
void installLanguage();

// The language of the run as chosen ("en" before any choice).
std::string runLanguage();
// Whether the windows show a translation (a catalogue of the program's is installed).
bool translatedRun();

// A text in the language of the run, also before the application exists (the command line's
// messages, the refusal to start without a display).
QString earlyText(const char *context, const char *source);

// The numbers of the run: the decimal separator of the language the windows speak where a
// translation is shown, the locale's otherwise.
QLocale numberLocale();

} // namespace ui
