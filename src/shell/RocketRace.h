// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>
#include <functional>

// One tick of the launcher's rocket race, on the rockets' Top positions (twips). While both
// rockets are below the top edge each climbs Int(Rnd * 41 + 20) twips, the left rocket's step
// drawn first. The finish is noticed on the tick after a rocket reaches Top <= 0: the result
// names the winner (both on a tie) and both rockets are back at the start.
struct RaceRockets {
    double top1;
    double top2;
};

enum class RaceOutcome { Racing, LeftWins, RightWins, Tie };

constexpr double raceStartTop = 7680;

inline RaceOutcome raceTick(RaceRockets &r, const std::function<float()> &rnd)
{
    if (r.top1 > 0 && r.top2 > 0) {
        const float step1 = std::floor(rnd() * 41.0f + 20.0f);
        const short step2 = short(std::floor(rnd() * 41.0f + 20.0f));
        r.top1 -= step1;
        r.top2 -= step2;
        return RaceOutcome::Racing;
    }
    RaceOutcome outcome;
    if (r.top1 <= 0 && r.top2 <= 0)
        outcome = RaceOutcome::Tie;
    else if (r.top1 <= 0)
        outcome = RaceOutcome::LeftWins;
    else
        outcome = RaceOutcome::RightWins;
    r.top1 = raceStartTop;
    r.top2 = raceStartTop;
    return outcome;
}
