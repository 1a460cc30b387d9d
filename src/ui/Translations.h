// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

// The language the windows speak for the whole run, chosen once before the first window is
// built: the program's own catalogue (built in, ":/i18n/playhaven_<code>.qm") and the toolkit's
// for its own texts (Yes, No, Cancel, a text box's menu), from the system's Qt translations.
namespace ui {

// The languages the program ships a catalogue for, English aside.
std::vector<std::string> shippedLanguages();

// The language of the run: `chosen` (from the command line) when given, otherwise the desktop's
// first preferred language the program ships, otherwise English. Returns the code used.
std::string useLanguage(const std::string &chosen = {});

} // namespace ui
