// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopics.h"

namespace help {

std::string spaces(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

std::string indented(int count, std::string_view paragraph)
{
    return spaces(count) + std::string(paragraph);
}

std::string paragraph(std::string_view text)
{
    return indented(10, text);
}

std::string topicText(std::initializer_list<std::string_view> pieces)
{
    std::string text(emptyLine);
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

std::string clickHere(std::string_view words, int gap)
{
    return std::string(words) + spaces(gap) + "(click here)";
}

std::string subTopic(std::string_view words, int gap)
{
    return indented(6, "----- ") + clickHere(words, gap);
}

std::string objectivesCaption()
{
    // Shows on two lines: "CONTENTS" above "Objectives (click here)".
    return spaces(19) + "CONTENTS" + spaces(18) + clickHere("Objectives", 19);
}

Topic glossaryTopic()
{
    return { std::string(glossaryLabel), 6120, clickHere("Glossary", 23), {} };
}

} // namespace help
