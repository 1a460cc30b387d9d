// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopics.h"

#include "ui/TextMark.h"

namespace help {

//: Ends the name of every help topic; the program keeps its words together on one line.
const char *const clickHereText = PH_TRANSLATE_NOOP("HelpWindow", "(click here)");

std::string composed(const Pieces &pieces, const Translate &translate)
{
    std::string text;
    for (const Piece &p : pieces) {
        text.append(static_cast<std::size_t>(p.indent), ' ');
        if (p.text)
            text += translate ? translate(p.text) : std::string(p.text);
        else
            text += p.layout;
    }
    return text;
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
