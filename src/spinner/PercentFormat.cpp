// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/PercentFormat.h"

#include <cmath>
#include <cstdio>

namespace spinner {

std::string formatPercent(double ratio, std::string_view decimalSeparator)
{
    // Tenths of a percent in one multiplication, so that a ratio held exactly (1/16 is 0.0625)
    // meets its half exactly; std::round takes halves away from zero.
    double tenths = std::round(ratio * 1000.0);
    if (!std::isfinite(tenths))
        tenths = 0;
    const bool negative = tenths < 0;
    const double magnitude = std::fabs(tenths);
    const double whole = std::floor(magnitude / 10);
    // The remainder itself, exact for any whole double: whole x 10 taken back from a magnitude
    // beyond 2^53 can miss by far more than one digit.
    const int decimal = static_cast<int>(std::fmod(magnitude, 10.0));
    std::string text = negative ? "-" : "";
    // Printed as a double, so that even an absurd ratio gives digits and not an overflow.
    std::string digits(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.0f", whole)), '0');
    std::snprintf(digits.data(), digits.size() + 1, "%.0f", whole);
    text += digits;
    text += decimalSeparator;
    text += static_cast<char>('0' + decimal);
    text += '%';
    return text;
}

} // namespace spinner
