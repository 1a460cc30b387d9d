// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// What a help window shows: its contents topics and its glossary terms, each a label in its
// panel with its Top (twips), its caption and the text that the definition panel shows when the
// label is clicked. The topic "Glossary" has no text: it opens the glossary.
namespace help {

struct Topic {
    std::string label; // the label's name, e.g. "lblObj"
    int top = 0; // twips, within its panel
    std::string caption;
    std::string text;
};

struct TopicTable {
    std::vector<Topic> contents; // top to bottom, "Glossary" last
    std::vector<Topic> glossary; // top to bottom, the order the glossary shows and hides them
};

// The contents topic that shows the glossary instead of a text.
inline constexpr std::string_view glossaryLabel = "lblGlossary";

const TopicTable &brookhopTopics();
const TopicTable &spinzoTopics();

// Pieces the tables are written with, so that every run of spaces is given as its count.
inline constexpr std::string_view lineBreak = "\r\n";
inline constexpr std::string_view emptyLine = "\r\n\r\n";
std::string spaces(int count);
// A paragraph indented by `count` spaces.
std::string indented(int count, std::string_view paragraph);
// The usual paragraph: indented by 10 spaces.
std::string paragraph(std::string_view text);
// A topic text: an opening empty line (CR LF CR LF) followed by the pieces as given.
std::string topicText(std::initializer_list<std::string_view> pieces);
// A caption: the words, `gap` spaces, then "(click here)".
std::string clickHere(std::string_view words, int gap);
// A caption of a sub-topic: 6 spaces, "----- ", the words, `gap` spaces, "(click here)".
std::string subTopic(std::string_view words, int gap);

// The rows both help windows share: the first contents topic's caption and the Glossary topic.
std::string objectivesCaption();
Topic glossaryTopic();

} // namespace help
