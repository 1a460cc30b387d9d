// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/HighScoreMessage.h"

#include "spinner/PercentFormat.h"
#include "ui/TextMark.h"

namespace spinner {

const char *highScoreSentence(int spins, int wins)
{
    if (wins == spins && spins != 0)
        return PH_TRANSLATE_NOOP("frmShowHighScore", "Your score is 100%!\r\nYou have a PERFECT SCORE!!!");
    return PH_TRANSLATE_NOOP("frmShowHighScore", "Your highest score is %1.");
}

std::string highScoreMessage(int spins, int wins, double highScore, std::string_view decimalSeparator)
{
    std::string message = highScoreSentence(spins, wins);
    if (const auto at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, formatPercent(highScore, decimalSeparator));
    return message;
}

} // namespace spinner
