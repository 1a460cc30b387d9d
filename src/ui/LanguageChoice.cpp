// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LanguageChoice.h"

#include <algorithm>
#include <cctype>

namespace ui {
namespace {

// A language tag taken apart: "zh-Hans-CN" is zh, script Hans, country CN; "pt_BR" is pt, BR.
struct Tag {
    std::string language, script, country;
};

Tag parse(std::string_view text)
{
    Tag tag;
    std::size_t part = 0;
    std::string piece;
    const auto take = [&] {
        if (part == 0) {
            for (char c : piece)
                tag.language += char(std::tolower(static_cast<unsigned char>(c)));
        } else if (piece.size() == 4 && tag.script.empty() && tag.country.empty()) {
            tag.script = piece;
        } else if (piece.size() == 2 && tag.country.empty()) {
            for (char c : piece)
                tag.country += char(std::toupper(static_cast<unsigned char>(c)));
        }
        ++part;
        piece.clear();
    };
    for (const char c : text) {
        if (c == '-' || c == '_') {
            take();
        } else if (c == '.' || c == '@') {
            break; // an encoding or modifier ("de_DE.UTF-8", "ca@valencia") names no other language
        } else {
            piece += c;
        }
    }
    take();
    return tag;
}

bool isLetters(std::string_view s)
{
    return !s.empty()
        && std::all_of(s.begin(), s.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

} // namespace

std::vector<std::string> shippedLanguages(std::string_view builtList)
{
    std::vector<std::string> languages;
    std::string word;
    for (const char c : std::string(builtList) + ' ') {
        if (c == ' ' || c == ';' || c == ',') {
            if (!word.empty() && word != sourceLanguage)
                languages.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return languages;
}

std::string chooseLanguage(std::span<const std::string> preferred, std::span<const std::string> shipped)
{
    for (const std::string &wanted : preferred) {
        const Tag want = parse(wanted);
        if (want.language == sourceLanguage)
            return std::string(sourceLanguage);
        const std::string *sameLanguage = nullptr;
        int ofLanguage = 0;
        for (const std::string &code : shipped) {
            const Tag have = parse(code);
            if (have.language != want.language)
                continue;
            if (have.country == want.country || have.country.empty())
                return code;
            sameLanguage = &code;
            ++ofLanguage;
        }
        if (want.country.empty() && want.script.empty() && ofLanguage == 1)
            return *sameLanguage;
    }
    return std::string(sourceLanguage);
}

std::optional<std::string> readLanguageOption(std::string_view text, std::span<const std::string> shipped)
{
    const Tag asked = parse(text);
    if (!isLetters(asked.language) || text.find_first_of(".@ ") != std::string_view::npos)
        return std::nullopt;
    if (asked.language == sourceLanguage && asked.country.empty())
        return std::string(sourceLanguage);
    for (const std::string &code : shipped) {
        const Tag have = parse(code);
        if (have.language == asked.language && have.country == asked.country && asked.script.empty())
            return code;
    }
    return std::nullopt;
}

} // namespace ui
