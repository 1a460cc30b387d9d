// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/SpinzoRules.h"

#include <algorithm>

namespace spinner {

bool isWinningSpin(const std::array<int, 3> &digits)
{
    return std::find(digits.begin(), digits.end(), winningDigit) != digits.end();
}

bool limitUsedUp(int spins, int maxSpins, bool openLimits)
{
    return spins >= counterCap || (!openLimits && spins >= maxSpins);
}

bool tenSpinQuestionDue(int spins, int spinBlock, bool openLimits)
{
    return openLimits && spins == 10 * spinBlock;
}

float winRatio(int hits, int attempts)
{
    if (attempts == 0)
        return 0.0f;
    return static_cast<float>(static_cast<double>(hits) / static_cast<double>(attempts));
}

bool recordsHighScore(float ratio, float highScore)
{
    return ratio != 1.0f && ratio > highScore;
}

} // namespace spinner
