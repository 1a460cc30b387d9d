// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopics.h"

#include "ui/TextMark.h"

#include <algorithm>

namespace help {

//: Ends the name of every help topic; the program keeps its words together on one line.
const char *const clickHereText = PH_TRANSLATE_NOOP("HelpWindow", "(click here)");

namespace {

// Characters, not bytes, of UTF-8 text.
int characters(std::string_view text)
{
    int count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

} // namespace

std::string composed(const Pieces &pieces, const Translate &translate)
{
    std::string text;
    // How many characters the latest sentence grew (or shrank) in translation: "(click here)"
    // keeps the column of the English where the gap before it allows, at least two spaces away.
    int grown = 0;
    for (const Piece &p : pieces) {
        int indent = p.indent;
        if (p.text == clickHereText && grown != 0)
            indent = std::max(std::min(indent, 2), indent - grown);
        text.append(static_cast<std::size_t>(indent), ' ');
        grown = 0;
        if (p.text) {
            const std::string shown = translate ? translate(p.text) : std::string(p.text);
            grown = characters(shown) - characters(p.text);
            text += shown;
        } else {
            text += p.layout;
        }
    }
    return text;
}

std::string spokenWords(const Pieces &pieces, const Translate &translate)
{
    std::string words;
    for (const Piece &p : pieces) {
        std::string said;
        if (p.text && p.text != clickHereText)
            said = translate ? translate(p.text) : std::string(p.text);
        else if (!p.text && p.layout.find_first_not_of(" -\r\n") != std::string_view::npos)
            said = p.layout; // a number written as it stands ("10")
        if (said.empty())
            continue;
        if (!words.empty())
            words += ' ';
        words += said;
    }
    return words;
}

Pieces topicText(std::initializer_list<Piece> pieces)
{
    Pieces text { emptyLine };
    text.insert(text.end(), pieces.begin(), pieces.end());
    return text;
}

Pieces joined(std::initializer_list<Pieces> texts)
{
    Pieces all;
    for (const Pieces &t : texts)
        all.insert(all.end(), t.begin(), t.end());
    return all;
}

Pieces clickHere(Piece words, int gap)
{
    return { words, Piece { gap, clickHereText } };
}

Pieces clickHere(const char *words, int gap)
{
    return clickHere(Piece { 0, words }, gap);
}

Pieces subTopic(Piece words, int gap)
{
    return joined({ { Piece { 6, nullptr, "----- " } }, clickHere(words, gap) });
}

Pieces subTopic(const char *words, int gap)
{
    return subTopic(Piece { 0, words }, gap);
}

Pieces objectivesCaption()
{
    // Shows on two lines: "CONTENTS" above "Objectives (click here)".
    return { Piece { 19, PH_TRANSLATE_NOOP("HelpWindow", "CONTENTS") },
        Piece { 18, PH_TRANSLATE_NOOP("HelpWindow", "Objectives") }, Piece { 19, clickHereText } };
}

Topic glossaryTopic()
{
    return { std::string(glossaryLabel), 6120, clickHere(PH_TRANSLATE_NOOP("HelpWindow", "Glossary"), 23), {} };
}

} // namespace help
