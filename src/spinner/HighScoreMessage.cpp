// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/HighScoreMessage.h"

#include "spinner/PercentFormat.h"

namespace spinner {

std::string highScoreMessage(int spins, int wins, double highScore, std::string_view decimalSeparator)
{
    if (wins == spins && spins != 0)
        return "Your score is 100%!\r\nYou have a PERFECT SCORE!!!";
    return "Your highest score is " + formatPercent(highScore, decimalSeparator) + ".";
}

} // namespace spinner
