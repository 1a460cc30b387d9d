// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Which language the windows speak: the program's own English (the source of every text), or one
// of the languages it ships a catalogue for, named as the catalogues are ("de", "pt_BR",
// "zh_CN"). The program asks once, at start, with the desktop's preferred languages in order
// (as the toolkit reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG: "de-DE", "pt-BR",
// "zh-Hans-CN", "en-US") or the one named on its command line.
namespace ui {

inline constexpr std::string_view sourceLanguage = "en";

// The languages of the catalogues built into the program, from the build's list ("de fr pt_BR").
std::vector<std::string> shippedLanguages(std::string_view builtList);

// The first preferred language the program ships, matched by language and country ("pt-BR" is
// "pt_BR"), by language alone where the catalogue has no country ("de-AT" is "de"), or, for a
// preference without a country, by the one catalogue of that language ("pt" is "pt_BR"); English
// where a preference for English comes first or nothing matches.
std::string chooseLanguage(std::span<const std::string> preferred, std::span<const std::string> shipped);

// The language written on the command line ("de", "pt_BR", "pt-br"), if it is English or one the
// program ships, in the catalogues' spelling.
std::optional<std::string> readLanguageOption(std::string_view text, std::span<const std::string> shipped);

} // namespace ui
