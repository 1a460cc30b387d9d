// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Colours.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

// The rules that both splash windows follow, free of any window: the sliding labels of the
// board splash, the colour cycle and the exit glide. The windows call them from their timer
// handlers and apply the result to their controls.

// --- The sliding labels (one call per tmrGo tick) -----------------------------------------

// "On Your Mark!" crosses first, then "Get Set!", both in 100-twip steps up to Left 10000;
// the tick after "Get Set!" has arrived shows "GO!".
enum class SlideTick { OnYourMark, GetSet, Go };

constexpr double slideStep = 100;
constexpr double slideEnd = 10000;

inline SlideTick slideTick(double &onLeft, double &getSetLeft)
{
    if (onLeft < slideEnd) {
        onLeft += slideStep;
        return SlideTick::OnYourMark;
    }
    if (getSetLeft < slideEnd) {
        getSetLeft += slideStep;
        return SlideTick::GetSet;
    }
    return SlideTick::Go;
}

// --- The colour cycle (one call per tmrBackColorHold tick) ---------------------------------

// A window's colour list (&H00BBGGRR&) and how many colour ticks its cycle lasts.
struct ColourCycle {
    std::span<const std::uint32_t> colours;
    std::int16_t ticks;
};

// The two windows' lists: the board splash flashes red, green, yellow and cyan for 40 ticks,
// the spinner splash red, white and blue for 30 (both end where their list starts again).
constexpr std::uint32_t boardColours[]
    = { ui::Colours::red, ui::Colours::green, ui::Colours::yellow, ui::Colours::cyan };
constexpr std::uint32_t spinnerColours[] = { ui::Colours::red, ui::Colours::white, ui::Colours::blue };
constexpr ColourCycle boardCycle { boardColours, 40 };
constexpr ColourCycle spinnerCycle { spinnerColours, 30 };

// While fewer than `ticks` colours have been shown, gives the colour at `colorStep` and moves
// on: holdTicks counts the tick, colorStep becomes holdTicks mod the list's length. On the
// tick after the last colour it gives nothing: the cycle is over and the glide follows.
// colorStep is the window's own variable and outlives the window's unloads, so a cycle left
// half-way resumes the list where it stopped on the next visit.
inline std::optional<std::uint32_t> colourTick(
    const ColourCycle &cycle, std::int16_t &holdTicks, std::int16_t &colorStep)
{
    if (holdTicks >= cycle.ticks)
        return std::nullopt;
    const std::int16_t length = std::int16_t(cycle.colours.size());
    const std::uint32_t colour = cycle.colours[std::size_t(colorStep % length)];
    ++holdTicks;
    colorStep = std::int16_t(holdTicks % length);
    return colour;
}

// --- The exit glide ----------------------------------------------------------------------

// The window's Top (twips) while it glides up off the screen: each step takes Int(Top) - 10,
// at least one step is taken, and the glide is over once Top < -Height, when the window lies
// wholly above the screen's top edge.
//
// The glide steps from the position it last set, never from the one read back from the
// window: a window manager may refuse or clamp a move above the screen, and a glide that read
// the clamped position back would never end.
class ExitGlide {
public:
    ExitGlide(double top, double height)
        : m_top(top)
        , m_height(height)
    {
    }
    double step()
    {
        m_top = std::floor(m_top) - glideStep;
        ++m_steps;
        return m_top;
    }
    bool finished() const { return m_steps > 0 && m_top < -m_height; }
    double top() const { return m_top; }
    int steps() const { return m_steps; }

    static constexpr double glideStep = 10;

private:
    double m_top;
    double m_height;
    int m_steps = 0;
};

// The glide's pace: how many steps are due after elapsedMs of gliding. 600 steps a second
// take a window from the middle of a 1080-pixel screen to above its top edge in about two
// seconds.
constexpr int glideStepsPerSecond = 600;

inline long long glideStepsDue(long long elapsedMs)
{
    return elapsedMs * glideStepsPerSecond / 1000;
}
