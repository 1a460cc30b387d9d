// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// The message of the high-score window, composed from the game just ended and the highest
// ratio of the run. Pure; the window passes its locale's decimal separator.
namespace spinner {

// A game in which every spin won (and there was at least one) is a perfect score, shown on
// two lines; otherwise the highest recorded ratio in the "0.0%" format.
std::string highScoreMessage(int spins, int wins, double highScore, std::string_view decimalSeparator);

// The sentence of that message, to be shown in the language of the run: it holds "%1" where the
// percentage goes, unless the score is perfect.
const char *highScoreSentence(int spins, int wins);

} // namespace spinner
