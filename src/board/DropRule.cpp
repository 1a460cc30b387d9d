// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/DropRule.h"

#include "board/BoardLayout.h"

namespace board {

const char *const sameStoneMessage = "Two players can't be on the same stone.\r\nGo back to START!";
const char *const exactCountMessage = "You must land on FINISH by exact count.";

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

std::string sameStonePanelText(int stone)
{
    const std::string ending
        = stone == 5 ? " the same stone.  Go back to START" : " the same stone.  Go back to START!";
    return "Two players can't be on" + ending;
}

FinishPlace finishPlaceFor(std::int16_t finishPlace)
{
    switch (finishPlace) {
    case 1:
        return { "Congratulations!  You win!!\r\nYou came in first place.", 2 };
    case 2:
        return { "You came in second place.", 3 };
    default:
        return { "You came in third place.", finishPlace };
    }
}

} // namespace board
