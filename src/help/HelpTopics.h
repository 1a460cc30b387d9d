// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// What a help window shows: its contents topics and its glossary terms, each a label in its
// panel with its Top (twips), its caption and the text that the definition panel shows when the
// label is clicked. The topic "Glossary" has no text: it opens the glossary.
//
// Captions and texts are kept as pieces: runs of spaces and line breaks, which every language
// keeps as they stand, and sentences, which are shown in the language of the run. A sentence is
// translated whole, never glued from translated words.
namespace help {

struct Piece {
    int indent = 0; // spaces before it
    const char *text = nullptr; // a sentence or a name, shown translated
    std::string_view layout = {}; // or this, shown as it stands
};
using Pieces = std::vector<Piece>;

struct Topic {
    std::string label; // the label's name, e.g. "lblObj"
    int top = 0; // twips, within its panel
    Pieces caption;
    Pieces text;
};

struct TopicTable {
    const char *context = nullptr; // where the catalogues hold its texts
    std::vector<Topic> contents; // top to bottom, "Glossary" last
    std::vector<Topic> glossary; // top to bottom, the order the glossary shows and hides them
};

// The contents topic that shows the glossary instead of a text.
inline constexpr std::string_view glossaryLabel = "lblGlossary";
// The catalogue context of the texts both help windows share.
inline constexpr const char *sharedContext = "HelpWindow";
// The end of every topic's caption.
extern const char *const clickHereText;

const TopicTable &brookhopTopics();
const TopicTable &spinzoTopics();

// The pieces joined, each sentence as `translate` gives it; with no translation the table's
// English as it stands.
using Translate = std::function<std::string(const char *)>;
std::string composed(const Pieces &pieces, const Translate &translate = {});

// The words of the pieces as a screen reader says them: the sentences and numbers alone, without
// the layout's spaces, dashes and line breaks and without "(click here)".
std::string spokenWords(const Pieces &pieces, const Translate &translate = {});

// Pieces the tables are written with, so that every run of spaces is given as its count.
inline constexpr Piece lineBreak { 0, nullptr, "\r\n" };
inline constexpr Piece emptyLine { 0, nullptr, "\r\n\r\n" };
// A sentence indented by `count` spaces.
inline constexpr Piece indented(int count, const char *text)
{
    return { count, text };
}
// The usual paragraph: indented by 10 spaces.
inline constexpr Piece paragraph(const char *text)
{
    return { 10, text };
}
// A topic text: an opening empty line (CR LF CR LF) followed by the pieces as given.
Pieces topicText(std::initializer_list<Piece> pieces);
// Texts one after the other.
Pieces joined(std::initializer_list<Pieces> texts);
// A caption: the words, `gap` spaces, then "(click here)".
Pieces clickHere(Piece words, int gap);
Pieces clickHere(const char *words, int gap);
// A caption of a sub-topic: 6 spaces, "----- ", the words, `gap` spaces, "(click here)".
Pieces subTopic(Piece words, int gap);
Pieces subTopic(const char *words, int gap);

// The rows both help windows share: the first contents topic's caption and the Glossary topic.
Pieces objectivesCaption();
Topic glossaryTopic();

} // namespace help
