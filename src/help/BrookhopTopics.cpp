// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopics.h"
#include "ui/TextMark.h"

// The board game's help: how to move, the three rules, player options and the end of the game,
// and a glossary of the board's words.
namespace help {

namespace {

TopicTable makeBrookhopTopics()
{
    const Pieces rule1 = topicText({ Piece { 0, PH_TRANSLATE_NOOP("frmHelpBrookhop", "RULE1:") },
        paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
            "You lose a turn when the spinner generates zero(0).  The next player must "
            "click his option button.  No adjustment is made.")) });
    const Pieces rule2 = topicText({ Piece { 0, PH_TRANSLATE_NOOP("frmHelpBrookhop", "RULE2:") },
        paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
            "Two markers may not be on the same 'stone'.  If  one player is already on a "
            "'stone', the second player must go back to START.  This will occur "
            "automatically and the player's position is is automatically adjusted.")) });
    const Pieces rule3 = topicText({ Piece { 0, PH_TRANSLATE_NOOP("frmHelpBrookhop", "RULE3:") },
        paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
            "You must reach FINISH by exact count otherwise the board will not let you "
            "move to the FINISH.")) });
    TopicTable t;
    t.context = "frmHelpBrookhop";
    t.contents = {
        { "lblObj", 120, objectivesCaption(),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "You must move your marker around the board along the path of 'stones' from START to "
                "FINISH.  The player who reaches FINISH first by exact count is the winner.")) }) },
        { "lblMove", 720, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "How to move"), 15),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                            "The player whose turn it is clicks the option button above the icon of his marker.  "
                            "The 'spinner' will indicate the number (highlighted in red) of 'stones' or places to "
                            "move from the current position.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                    "To move your marker click on it and drag it to the required number of places.")),
                lineBreak,
                paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                    "If you move your marker to the wrong 'stone', the board will not let you move there.  "
                    "You must move only the correct number of places from where you are.")) }) },
        { "lblAltMove", 1320,
            joined({ { Piece { 7, nullptr, "----- " } },
                clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "alternative way to move"), 42) }),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                            "Click the toolbar button with the icon of your marker.  Then move the indicated number "
                            "of 'stones' from your current position.")),
                emptyLine, indented(30, PH_TRANSLATE_NOOP("frmHelpBrookhop", "OR")), emptyLine,
                paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                    "Click the menu item of the name of your marker either 'bicycle' or 'cars' or "
                    "'plane'.")) }) },
        // The three rules one after the other, each after its own opening empty line.
        { "lblRules", 1920, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "Rules"), 27),
            joined({ rule1, rule2, rule3 }) },
        { "lblRule1", 2520, subTopic(PH_TRANSLATE_NOOP("frmHelpBrookhop", "Rule 1"), 14), rule1 },
        { "lblRule2", 3120, subTopic(PH_TRANSLATE_NOOP("frmHelpBrookhop", "Rule 2"), 14), rule2 },
        { "lblRule3", 3720, subTopic(PH_TRANSLATE_NOOP("frmHelpBrookhop", "Rule 3"), 14), rule3 },
        { "lblPlayers", 4320, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "Player Options"), 13),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                            "You can set player options to one, two, or three players by selecting from three "
                            "marker icons: 'bicycle' 'cars', 'plane'.")),
                emptyLine,
                paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                    "When you select one or two players, the remaining icons, options buttons, and toolbar "
                    "buttons will be disenabled.")) }) },
        { "lblOne", 4920, subTopic(PH_TRANSLATE_NOOP("frmHelpBrookhop", "One player"), 7),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "When there is only one player in the game, to deselect the option button after losing "
                "a turn, you must click the image icon below the option button.")) }) },
        { "lblEnding", 5520, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "Ending the game"), 10),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "The first player to reach FINISH is the winner.  The remaining players can continue to "
                "see who comes in second or third place.  As each player finishes, his marker, option "
                "button, and toolbar button will be disenabled.")) }) },
        glossaryTopic(),
    };
    t.glossary = {
        { "lbl_bButton", 120, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "bicycle button"), 24),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "bicycle toolbar button = alternative way of getting the number of places the bicycle "
                "marker moves")) }) },
        { "lbl_bIcon", 480, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "bicycle icon"), 28),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop", "bicycle icon = one player")) }) },
        { "lbl_bPosition", 840, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "bicycle position"), 21),
            topicText({ paragraph(PH_TRANSLATE_NOOP(
                "frmHelpBrookhop", "bicycle position = a way to keep track of where the bicycle marker is")) }) },
        { "lbl_cButton", 1200, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "cars button"), 29),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "cars toolbar button = alternative way of getting the number of places the cars marker "
                "moves")) }) },
        { "lbl_cIcon", 1560, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "cars icon"), 33),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop", "cars icon = second player")) }) },
        { "lbl_cPosition", 1920, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "cars position"), 26),
            topicText({ paragraph(PH_TRANSLATE_NOOP(
                "frmHelpBrookhop", "cars position = a way to keep track of where the cars marker is")) }) },
        { "lblGoBack", 2280, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "go back to START"), 18),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "go back to START = when a second player lands on a 'stone' with another player, he "
                "must return to START")) }) },
        { "lblLose", 2640, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "lose a turn"), 30),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "lose a turn = when the randomly generated number is zero(0) which causes the player "
                "not to move from the current position")) }) },
        { "lblMarker", 3000, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "marker"), 36),
            topicText(
                { paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop", "marker = an icon representation of a player")) }) },
        { "lblOptButton", 3360, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "option button"), 25),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "option button = one of three buttons above the icon symbols for the marker.  Used to "
                "get the number of places to move form the current position.")) }) },
        { "lbl_pButton", 3720, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "plane button"), 27),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "plane toolbar button = alternative way of getting the number of places the plane "
                "marker moves")) }) },
        { "lbl_pIcon", 4080, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "plane icon"), 31),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop", "plane icon = third player")) }) },
        { "lbl_pPosition", 4440, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "plane position"), 24),
            topicText({ paragraph(PH_TRANSLATE_NOOP(
                "frmHelpBrookhop", "plane position = a way to keep track of where the plane marker is")) }) },
        { "lblSpinner", 4800, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "spinner"), 36),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A "
                "number is randomly generated and highlighted in red on the display indicating the "
                "moves.")) }) },
        { "lblBrookhop", 5160, clickHere(PH_TRANSLATE_NOOP("frmHelpBrookhop", "brookhop"), 20),
            topicText({ paragraph(PH_TRANSLATE_NOOP("frmHelpBrookhop",
                "brookhop = the 25 places on the board showing the path the markers must take")) }) },
    };
    return t;
}

} // namespace

const TopicTable &brookhopTopics()
{
    static const TopicTable table = makeBrookhopTopics();
    return table;
}

} // namespace help
