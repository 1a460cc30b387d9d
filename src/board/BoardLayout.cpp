#include "board/BoardLayout.h"

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

constexpr std::uint32_t white = 0x00FFFFFF;
constexpr std::array<std::uint32_t, 4> squareColors { 0x000000FF, 0x0000FF00, 0x0000FFFF, 0x00FFFF00 };

bool isWide(int stone)
{
    return stone == startStone || stone == finishStone;
}

// The board is drawn on a 120-twip grid; a line ends on the grid line at or before the point.
double onGrid(double twips)
{
    return std::floor(twips / 120) * 120;
}

// One end of a path line on one axis: the side of the stone that faces the other stone.
double facingSide(double nearEdge, double farEdge, bool towardsFar)
{
    return onGrid(towardsFar ? farEdge : nearEdge);
}

} // namespace

Rect stoneRect(int stone)
{
    const Place p = places.at(stone);
    return isWide(stone) ? Rect { p.left, p.top, wideWidth, wideHeight } : Rect { p.left, p.top, square, square };
}

std::uint32_t stoneColor(int stone)
{
    return isWide(stone) ? white : squareColors[(stone - 1) % squareColors.size()];
}

Segment pathLine(int i)
{
    const Rect a = stoneRect(i);
    const Rect b = stoneRect(i + 1);
    const bool sideBySide = b.left >= a.right() || a.left >= b.right();
    Segment s {};
    if (sideBySide) {
        const bool rightwards = b.left >= a.right();
        s.x1 = facingSide(a.left, a.right(), rightwards);
        s.x2 = facingSide(b.left, b.right(), !rightwards);
        // Stones of one row are joined level, through the middle of the shorter of the two.
        if (a.top == b.top) {
            s.y1 = s.y2 = onGrid(a.top + std::min(a.height, b.height) / 2);
        } else {
            s.y1 = onGrid(a.top + a.height / 2);
            s.y2 = onGrid(b.top + b.height / 2);
        }
    } else {
        const bool downwards = b.top >= a.bottom();
        s.y1 = facingSide(a.top, a.bottom(), downwards);
        s.y2 = facingSide(b.top, b.bottom(), !downwards);
        if (a.left == b.left) {
            s.x1 = s.x2 = onGrid(a.left + std::min(a.width, b.width) / 2);
        } else {
            s.x1 = onGrid(a.left + a.width / 2);
            s.x2 = onGrid(b.left + b.width / 2);
        }
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
