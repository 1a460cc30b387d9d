// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// The "0.0%" number format of the spinner game's percentages. Pure: the caller passes the
// decimal separator of the user's locale.
namespace spinner {

// The ratio x 100 with one decimal, halves away from zero, at least one digit before the
// separator, then "%": 1/3 gives 33.3%, 1/16 gives 6.3%, 1 gives 100.0%.
std::string formatPercent(double ratio, std::string_view decimalSeparator);

} // namespace spinner
