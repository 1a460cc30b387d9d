// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/MarkerKind.h"

#include <cstdint>

// Where the board's pieces stand, in twips from the top-left corner of the window's client
// area: the 26 stones of the path (START, 24 coloured squares, FINISH), the path lines that join
// them, and the place of each marker picture inside a stone. The window builds its control
// table from these values.
namespace board {

inline constexpr int stoneCount = 26;
inline constexpr int startStone = 0;
inline constexpr int finishStone = 25;
// Index of a marker's picture in the spinner panel, under its option button (not on the board).
inline constexpr int spinnerPicture = 26;

struct Rect {
    double left, top, width, height;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

struct Segment {
    double x1, y1, x2, y2;
    bool operator==(const Segment &) const = default;
};

Rect stoneRect(int stone);
// &H00BBGGRR&: START and FINISH white, the squares red, green, yellow, cyan in turn from stone 1.
std::uint32_t stoneColor(int stone);
// linPath(i): from the side of stone i that faces stone i + 1 to the facing side of stone i + 1.
Segment pathLine(int i);
// A marker picture inside stone i, relative to the stone.
Rect markerRect(MarkerKind kind, int stone);

} // namespace board
