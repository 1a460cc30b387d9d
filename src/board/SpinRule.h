// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>

// The spinner: one spin draws how many stones a marker moves, from -2 to 4, and the stone it
// must then be dropped on. A draw that would lead off the board (before START or past FINISH)
// is drawn again, so FINISH is only ever reached by exact count. The window calls spinFrom
// with the marker's position and the program's random generator.
namespace board {

inline constexpr std::int16_t lowestSpin = -2;
inline constexpr std::int16_t highestSpin = 4;

struct Spin {
    std::int16_t spinValue = 0;
    std::int16_t newPosition = 0;
};

// rnd yields uniform values in [0, 1); each draw is Int(r * 7 - 2).
Spin spinFrom(std::int16_t position, const std::function<float()> &rnd);

// The value a single random number gives, -2 to 4.
std::int16_t spinValueOf(float r);

} // namespace board
