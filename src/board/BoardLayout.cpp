// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardLayout.h"

#include "ui/Colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace board {
namespace {

constexpr double square = 855;
constexpr double wideWidth = 1935, wideHeight = 615;

struct Place {
    double left, top;
};

// Clockwise round the board, spiralling inwards to FINISH in the middle.
constexpr std::array<Place, stoneCount> places { {
    { 120, 1080 },
    { 2520, 480 },
    { 4320, 480 },
    { 6120, 480 },
    { 7920, 480 },
    { 9480, 480 },
    { 9480, 1560 },
    { 9480, 2760 },
    { 9480, 4200 },
    { 9480, 5400 },
    { 7920, 5400 },
    { 6120, 5400 },
    { 4320, 5400 },
    { 3000, 5400 },
    { 3000, 4200 },
    { 3000, 2760 },
    { 3000, 1560 },
    { 4320, 1560 },
    { 6120, 1560 },
    { 7920, 1560 },
    { 7920, 2760 },
    { 7920, 4200 },
    { 6120, 4200 },
    { 4320, 4200 },
    { 4320, 3120 },
    { 5520, 3120 },
} };

constexpr std::array<std::uint32_t, 4> squareColors { ui::Colours::red, ui::Colours::green, ui::Colours::yellow,
    ui::Colours::cyan };

bool isWide(int stone)
{
    return stone == startStone || stone == finishStone;
}

// The board is drawn on a 120-twip grid; a line ends on the grid line at or before the point.
double onGrid(double twips)
{
    return std::floor(twips / 120) * 120;
}

// The extent of a stone on one axis.
struct Span {
    double start, length;
    double end() const { return start + length; }
};

// Along the axis on which two stones lie apart, a line runs from the side of one that faces
// the other to the facing side of the other.
void along(Span a, Span b, double &from, double &to)
{
    const bool forward = b.start >= a.end();
    from = onGrid(forward ? a.end() : a.start);
    to = onGrid(forward ? b.start : b.end());
}

// Across it, a line leaves each stone at its middle; stones of one row (or column) are joined
// level, through the middle of the smaller of the two.
void across(Span a, Span b, double &from, double &to)
{
    if (a.start == b.start) {
        from = to = onGrid(a.start + std::min(a.length, b.length) / 2);
    } else {
        from = onGrid(a.start + a.length / 2);
        to = onGrid(b.start + b.length / 2);
    }
}

} // namespace

Rect stoneRect(int stone)
{
    const Place p = places.at(stone);
    return isWide(stone) ? Rect { p.left, p.top, wideWidth, wideHeight } : Rect { p.left, p.top, square, square };
}

std::uint32_t stoneColor(int stone)
{
    return isWide(stone) ? ui::Colours::white : squareColors[(stone - 1) % squareColors.size()];
}

Segment pathLine(int i)
{
    const Rect a = stoneRect(i);
    const Rect b = stoneRect(i + 1);
    const Span ax { a.left, a.width }, ay { a.top, a.height };
    const Span bx { b.left, b.width }, by { b.top, b.height };
    Segment s {};
    if (b.left >= a.right() || a.left >= b.right()) {
        along(ax, bx, s.x1, s.x2);
        across(ay, by, s.y1, s.y2);
    } else {
        along(ay, by, s.y1, s.y2);
        across(ax, bx, s.x1, s.x2);
    }
    return s;
}

Rect markerRect(MarkerKind kind, int stone)
{
    constexpr double w = 375, h = 255;
    if (isWide(stone))
        return { 120 + 600.0 * indexOf(kind), 120, w, h };
    constexpr std::array<Place, 3> inSquare { { { 0, 240 }, { 360, 0 }, { 360, 480 } } };
    const Place p = inSquare[indexOf(kind)];
    return { p.left, p.top, w, h };
}

} // namespace board
