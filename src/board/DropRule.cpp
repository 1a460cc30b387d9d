// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/DropRule.h"

#include "board/BoardLayout.h"
#include "ui/TextMark.h"

namespace board {

//: A "stone" is one square of the board's path; START is the first stone.
const char *const sameStoneMessage
    = PH_TRANSLATE_NOOP("frmBrookhop", "Two players can't be on the same stone.\r\nGo back to START!");
const char *const exactCountMessage = PH_TRANSLATE_NOOP("frmBrookhop", "You must land on FINISH by exact count.");

DropDecision decideDrop(int stone, int newPosition, bool stoneHoldsMarker)
{
    if (stone == startStone)
        return { false, newPosition == startStone ? DropAction::MoveHere : DropAction::Nothing };
    if (stone == finishStone)
        return { false, newPosition == finishStone ? DropAction::Finish : DropAction::ExactCountMessage };
    if (newPosition != stone)
        return { true, DropAction::Nothing };
    return { true, stoneHoldsMarker ? DropAction::BackToStart : DropAction::MoveHere };
}

bool completesMove(DropAction action)
{
    return action == DropAction::MoveHere || action == DropAction::BackToStart || action == DropAction::Finish;
}

const char *sameStonePanelText(int stone)
{
    return stone == 5 ? PH_TRANSLATE_NOOP("frmBrookhop", "Two players can't be on the same stone.  Go back to START")
                      : PH_TRANSLATE_NOOP("frmBrookhop", "Two players can't be on the same stone.  Go back to START!");
}

FinishPlace finishPlaceFor(std::int16_t finishPlace)
{
    switch (finishPlace) {
    case 1:
        return { PH_TRANSLATE_NOOP("frmBrookhop", "Congratulations!  You win!!\r\nYou came in first place."), 2 };
    case 2:
        return { PH_TRANSLATE_NOOP("frmBrookhop", "You came in second place."), 3 };
    default:
        return { PH_TRANSLATE_NOOP("frmBrookhop", "You came in third place."), finishPlace };
    }
}

} // namespace board
