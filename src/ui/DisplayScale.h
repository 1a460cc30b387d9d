// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>
#include <string_view>

// The one display scale of a run: how many screen pixels each pixel of the window designs takes.
// The program asks once, when it starts, with the available area of the screen it opens on (in
// the desktop's own device-independent pixels, so the desktop's high-density scaling is already
// applied) and the largest windows' extents at scale 1.
namespace ui {

// A window at scale 1: the part drawn from the design, which grows with the scale, and the part
// the window manager adds (frame and title bar), which does not.
struct WindowExtent {
    double designWidth = 0, designHeight = 0;
    double frameWidth = 0, frameHeight = 0;
};

inline constexpr double scaleStep = 0.25;
// Below 1, where a quarter is too coarse: 0.75 would leave a quarter of a small screen empty.
inline constexpr double smallScaleStep = 0.05;
inline constexpr double smallestScale = 0.75;
inline constexpr double largestScale = 4.0;

// The scale the user asked for (--scale), if it is one the program offers.
bool isOfferedScale(double factor);
// The scale written on the command line ("1.5"), if it is a number the program offers;
// read the same whatever the user's locale.
std::optional<double> readOfferedScale(std::string_view text);

// The largest scale, in steps of 0.25 from 1 up to 4, at which every window fits the available
// area; where even 1 does not fit, the largest in steps of 0.05 that fits, but never below 0.75.
// A scale the user chose wins.
double chooseDisplayScale(double availableWidth, double availableHeight, std::span<const WindowExtent> windows,
    std::optional<double> chosen = std::nullopt);

} // namespace ui
