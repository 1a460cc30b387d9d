// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/MarkerKind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The player-options dialog's rules. A tick puts its marker into play at once and, with one or
// two players, disables the check boxes that may no longer be ticked; closing checks that the
// ticks fit the number of players. The dialog calls these with its boxes' current ticks
// (indexed by MarkerKind) and the board's optionChoice.
namespace board {

using Ticks = std::array<bool, 3>;

// The boxes to disable after `clicked` was ticked, in the order they are disabled.
std::vector<MarkerKind> boxesToDisable(std::int16_t optionChoice, MarkerKind clicked, const Ticks &ticked);

// The warning shown on close when the ticks do not fit, or nothing when they do.
std::optional<const char *> closeWarning(std::int16_t optionChoice, const Ticks &ticked);

// The directions the dialog shows for a number of players (1 to 3).
const char *directionsFor(std::int16_t optionChoice);

} // namespace board
