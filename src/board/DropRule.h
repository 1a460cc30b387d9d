// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// What a drop of a marker on a stone does. Only the stone of the latest spin (newPosition)
// accepts a drop; an ordinary stone that already shows a marker sends the newcomer back to
// START; FINISH refuses anything but an exact count and ranks the markers that reach it. The
// window asks decideDrop and carries the answer out on its pictures.
namespace board {

enum class DropAction {
    Nothing, // refused silently
    MoveHere, // the dragged marker now stands on the stone
    BackToStart, // the stone was taken: the dragged marker goes back to START
    ExactCountMessage, // FINISH refused: not the exact count
    Finish, // the marker reaches FINISH and is given its place
};

struct DropDecision {
    bool clearsStatus = false; // the status panel is cleared before anything else
    DropAction action = DropAction::Nothing;
    bool operator==(const DropDecision &) const = default;
};

DropDecision decideDrop(int stone, int newPosition, bool stoneHoldsMarker);

// True when the drop completed a move (the after-drop step then tidies the spinner panel).
bool completesMove(DropAction action);

// Status-panel text of the same-stone rule; on stone 5 it has lost its final "!".
const char *sameStonePanelText(int stone);
extern const char *const sameStoneMessage;
extern const char *const exactCountMessage;

struct FinishPlace {
    const char *message;
    std::int16_t nextPlace;
};
FinishPlace finishPlaceFor(std::int16_t finishPlace);

} // namespace board
