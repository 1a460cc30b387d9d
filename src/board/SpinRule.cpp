// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/SpinRule.h"

#include "board/BoardLayout.h"

#include <cmath>

namespace board {

std::int16_t spinValueOf(float r)
{
    // Computed in double so that r just below 1 can never round up to a value of 5.
    return static_cast<std::int16_t>(std::floor(double(r) * 7.0 - 2.0));
}

Spin spinFrom(std::int16_t position, const std::function<float()> &rnd)
{
    Spin s;
    do {
        s.spinValue = spinValueOf(rnd());
        s.newPosition = static_cast<std::int16_t>(position + s.spinValue);
    } while (s.newPosition < startStone || s.newPosition > finishStone);
    return s;
}

} // namespace board
