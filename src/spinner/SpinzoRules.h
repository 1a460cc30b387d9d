// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cmath>
#include <cstdint>

// The rules of a spinner-game spin, pure and Qt-free. The game window drives them from its
// "Spin" handler: it draws the digits, counts, and asks its questions when these say so.
namespace spinner {

// The 16-bit counters (attempts, wins) stop here: a game that has used up this many spins is
// treated like one whose limit is used up, so the next press offers a new game instead.
constexpr int counterCap = 32767;

constexpr int winningDigit = 7;

// One digit from one draw r in [0, 1): Int(r x 10), multiplied in single precision like the
// draw itself, so a draw of 0.7 gives 7.
inline int spinDigit(float r)
{
    const int d = static_cast<int>(std::floor(r * 10.0f));
    return d < 0 ? 0 : (d > 9 ? 9 : d);
}

// The three digits of a spin, drawn in label order (first, second, third).
template <class Draw> std::array<int, 3> drawSpin(Draw &&rnd)
{
    std::array<int, 3> digits {};
    for (int &d : digits)
        d = spinDigit(rnd());
    return digits;
}

// A spin wins when any of its digits is a 7; two or three sevens still make one win.
bool isWinningSpin(const std::array<int, 3> &digits);

// Whether "Spin" must ask to play again instead of spinning: a fixed limit is used up
// (16-bit signed comparison, so a negative limit is used up at once), or the counter is full.
bool limitUsedUp(int spins, int maxSpins, bool openLimits);

// Whether the continue question is due after this spin in open-limit play.
bool tenSpinQuestionDue(int spins, int spinBlock, bool openLimits);

// Wins / Attempts, divided in double precision and kept in single precision; 0 for no attempts.
float winRatio(int hits, int attempts);

// A ratio becomes the highest score when it beats it, except a ratio of exactly 1 (a game in
// which every spin so far has won), which is never recorded.
bool recordsHighScore(float ratio, float highScore);

} // namespace spinner
