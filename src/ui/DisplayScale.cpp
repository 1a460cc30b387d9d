// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DisplayScale.h"

#include <algorithm>
#include <cmath>

namespace ui {

bool isOfferedScale(double factor)
{
    return std::isfinite(factor) && factor >= 1.0 && factor <= largestScale;
}

std::optional<double> readOfferedScale(std::string_view text)
{
    // Digits with at most one point, nothing else: no sign, exponent, blanks or "inf".
    double whole = 0, fraction = 0, place = 1;
    bool digits = false, point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            if (point)
                fraction += (c - '0') * (place /= 10);
            else if (whole < 1e6)
                whole = whole * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    const double factor = whole + fraction;
    if (!digits || !isOfferedScale(factor))
        return std::nullopt;
    return factor;
}

double chooseDisplayScale(
    double availableWidth, double availableHeight, std::span<const WindowExtent> windows, std::optional<double> chosen)
{
    if (chosen && isOfferedScale(*chosen))
        return *chosen;
    // The largest scale at which every window still fits, as a continuous value; with nothing
    // to measure by, the design keeps its own size.
    double fits = largestScale;
    bool measured = false;
    for (const WindowExtent &w : windows) {
        if (w.designWidth > 0) {
            fits = std::min(fits, (availableWidth - w.frameWidth) / w.designWidth);
            measured = true;
        }
        if (w.designHeight > 0) {
            fits = std::min(fits, (availableHeight - w.frameHeight) / w.designHeight);
            measured = true;
        }
    }
    if (!measured || !std::isfinite(availableWidth) || !std::isfinite(availableHeight))
        return 1.0;
    // Counted in whole steps, so that the result is the step itself (0.95, not 19 * 0.05), and
    // with a margin far below a pixel, so that a window that fits a step exactly keeps it.
    const auto inSteps = [fits](double step) {
        const double perUnit = std::round(1 / step);
        return std::floor(fits * perUnit + 1e-9) / perUnit;
    };
    if (fits < 1.0)
        return std::max(smallestScale, inSteps(smallScaleStep));
    return inSteps(scaleStep);
}

} // namespace ui
