// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopics.h"
#include "ui/TextMark.h"

// The spinner game's help: how to play, the attempt limits, the highest score and the end of the
// game, and a glossary of the game's words.
namespace help {

namespace {

TopicTable makeSpinzoTopics()
{
    TopicTable t;
    t.context = "frmHelpSpinzo";
    t.contents = {
        { "lblObj", 120, objectivesCaption(),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                            "You click the spin button and cause three random numbers to be displayed in the three "
                            "large yellow squares.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                    "If the number seven (7) is displayed in ANY one of the squares, you win and the 'Big "
                    "Foot Man' appears.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP(
                    "frmHelpSpinzo", "The number of attempts, wins, and percentage is also displayed.")) }) },
        { "lblPlay", 720, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "How to play"), 17),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                            "You click either the 'spin' button or 'spin' under the options menu each time you want "
                            "to select three randomly generated numbers.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP(
                    "frmHelpSpinzo", "You continue for the desired amount of times you want to try your luck.")) }) },
        // The five options, each on its own line indented by 20 spaces.
        { "lblSetLimits", 1320, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "Set own limits"), 13),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                            "You can choose the limit range of the number of attempts you want to try your luck "
                            "from these five options:")),
                lineBreak, indented(20, PH_TRANSLATE_NOOP("frmHelpSpinzo", "Open Limits")), lineBreak,
                Piece { 20, nullptr, "10" }, lineBreak, Piece { 20, nullptr, "25" }, lineBreak,
                Piece { 20, nullptr, "100" }, lineBreak, indented(20, PH_TRANSLATE_NOOP("frmHelpSpinzo", "Other")) }) },
        { "lblOpen", 1920, subTopic(PH_TRANSLATE_NOOP("frmHelpSpinzo", "Open limits"), 5),
            topicText({ paragraph(PH_TRANSLATE_NOOP(
                            "frmHelpSpinzo", "This will allow you to continue for as long as you want.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                    "A message box will be displayed  after every ten (10) attempts giving you the option "
                    "to continue or stop this round.")),
                lineBreak, paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo", "This is the default setting.")) }) },
        { "lbl_10", 2520, subTopic(Piece { 0, nullptr, "10" }, 20),
            topicText(
                { paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo", "Gives you ten (10) attempts to try your luck.")) }) },
        { "lbl_25", 3120, subTopic(Piece { 0, nullptr, "25" }, 20),
            topicText({ paragraph(
                PH_TRANSLATE_NOOP("frmHelpSpinzo", "Gives you twenty-five (25) attempts to try your luck.")) }) },
        { "lbl_100", 3720, subTopic(Piece { 0, nullptr, "100" }, 18),
            topicText({ paragraph(
                PH_TRANSLATE_NOOP("frmHelpSpinzo", "Gives you a hundred (100) attempts to try your luck.")) }) },
        { "lblOther", 4320, subTopic(PH_TRANSLATE_NOOP("frmHelpSpinzo", "Other"), 15),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                            "This option gives you the opportunity to set your own limits or the maximum number of "
                            "attempts.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP(
                    "frmHelpSpinzo", "An input box is displayed asking for you to enter the limit you want.")) }) },
        { "lblHighestScore", 4920, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "Highest Score"), 14),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                            "The highest score keeps track of the highest percentage that you scored.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP(
                    "frmHelpSpinzo", "The highest score is the percentage of wins to the number of spins attempted.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP(
                    "frmHelpSpinzo", "This score is displayed if you want to see your highest score.")) }) },
        // "OR" stands on a line of its own, indented by 30 spaces, with an empty line after it.
        { "lblEnding", 5520, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "Ending the game"), 9),
            topicText({ paragraph(PH_TRANSLATE_NOOP(
                            "frmHelpSpinzo", "You click either the 'End' button or 'End' under the options menu.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                    "Then you either click the 'no' button in response to the question asking if you want "
                    "to see your highest score.")),
                lineBreak, indented(30, PH_TRANSLATE_NOOP("frmHelpSpinzo", "OR")), emptyLine,
                paragraph(PH_TRANSLATE_NOOP(
                    "frmHelpSpinzo", "Click 'Exit the Game' button after you see your highest score.")) }) },
        glossaryTopic(),
    };
    t.glossary = {
        { "lblAttempts", 120, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "attempts"), 32),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                "attempts = the total number of tries by clicking the 'spin' button to get the number "
                "seven (7)")) }) },
        { "lblEnd", 480, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "end"), 42),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo", "end = the way to exit the game")) }) },
        { "lblHighest", 840, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "highest score"), 23),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                "highest score = the highest percentage achieved during this session at the "
                "computer")) }) },
        { "lblLimits", 1200, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "limits"), 38),
            topicText({ paragraph(
                PH_TRANSLATE_NOOP("frmHelpSpinzo", "limits = a way to set the maximum number of attempts")) }) },
        { "lblPercentage", 1560, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "percentage"), 28),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                            "percentage = the ratio of the amount of wins generated to the number of attempts "
                            "made.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP(
                    "frmHelpSpinzo", "It is the quotient of these two numbers converted to a percent.")) }) },
        { "lblRandom", 1920, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "random number"), 19),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                "random number = a randomly generated number from one (1) to ten (10) that is "
                "displayed in each of the three yellow squares.")) }) },
        { "lblSpin", 2280, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "spin"), 41),
            topicText({ paragraph(PH_TRANSLATE_NOOP(
                "frmHelpSpinzo", "spin = each click of the 'spin' button which is an attempt to get a seven (7)")) }) },
        // The caption begins with a capital W; the text does not.
        { "lblWins", 2640, clickHere(PH_TRANSLATE_NOOP("frmHelpSpinzo", "Wins"), 40),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpSpinzo",
                "wins = each time a seven (7) is displayed in one of the yellow squares is considered a "
                "hit or win")) }) },
    };
    return t;
}

} // namespace

const TopicTable &spinzoTopics()
{
    static const TopicTable table = makeSpinzoTopics();
    return table;
}

} // namespace help
