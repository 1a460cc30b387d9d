// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpinnerInputProperties.h"

#include "spinner/NumberReader.h"
#include "spinner/PercentFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

using Failures = std::vector<std::string>;

std::string printable(std::string_view text)
{
    std::string out;
    for (unsigned char c : text.substr(0, 80)) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return '"' + out + (text.size() > 80 ? "\"..." : "\"");
}

std::string number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Any text: the reading never gives NaN, and the own limit is the reading rounded and clamped.
void checkReading(std::string_view text, Failures &failures)
{
    const double value = spinner::readNumber(text);
    const int limit = spinner::ownLimitFromEntry(text);
    const std::string what
        = "entry " + printable(text) + " read as " + number(value) + ", limit " + std::to_string(limit);
    if (std::isnan(value))
        failures.push_back(what + ": the reading is NaN");
    else if (value >= 32767.5 && limit != 32767)
        failures.push_back(what + ": a reading above the range must give 32767");
    else if (value <= -32768.5 && limit != -32768)
        failures.push_back(what + ": a reading below the range must give -32768");
    else if (value > -32768.5 && value < 32767.5 && std::fabs(limit - value) > 0.5)
        failures.push_back(what + ": the limit is not the nearest whole number");
}

// A whole number in range, written plainly, reads back as itself; so it does with leading
// zeros and blanks after its sign.
void checkRoundTrip(std::int16_t expected, std::string_view padding, Failures &failures)
{
    const int magnitude = std::abs(static_cast<int>(expected));
    std::string text = expected < 0 ? "-" : "";
    text += padding;
    text += std::to_string(magnitude);
    const int limit = spinner::ownLimitFromEntry(text);
    if (limit != expected)
        failures.push_back("entry " + printable(text) + " gives limit " + std::to_string(limit));
}

// Any ratio: digits, exactly one separator, one digit after it, then "%". A ratio in 0..1
// reads back within a twentieth of a percent.
void checkPercent(double ratio, std::string_view separator, Failures &failures)
{
    const std::string text = spinner::formatPercent(ratio, separator);
    const std::string what = "ratio " + number(ratio) + " gives " + printable(text);
    const std::size_t at = text.find(separator);
    if (text.size() < 2 || text.back() != '%') {
        failures.push_back(what + ": no \"%\" at the end");
        return;
    }
    if (at == std::string::npos || text.find(separator, at + 1) != std::string::npos) {
        failures.push_back(what + ": not exactly one decimal separator");
        return;
    }
    const std::string whole = text.substr(0, at);
    const std::string fraction = text.substr(at + separator.size(), text.size() - 1 - at - separator.size());
    const std::size_t sign = !whole.empty() && whole[0] == '-' ? 1 : 0;
    const bool wholeDigits = whole.size() > sign && whole.find_first_not_of("0123456789", sign) == std::string::npos;
    const bool oneDigit = fraction.size() == 1 && fraction[0] >= '0' && fraction[0] <= '9';
    if (!wholeDigits || !oneDigit) {
        failures.push_back(what + ": not digits, separator, one digit");
        return;
    }
    if (std::isfinite(ratio) && ratio >= 0 && ratio <= 1) {
        const double shown = std::strtod((whole + '.' + fraction).c_str(), nullptr);
        if (!(std::fabs(shown - ratio * 100) <= 0.05 + 1e-9))
            failures.push_back(what + ": more than 0.05 from " + number(ratio * 100));
    }
}

template <typename T> T take(const std::uint8_t *data, std::size_t size, std::size_t offset)
{
    T value {};
    if (offset < size)
        std::memcpy(&value, data + offset, std::min(sizeof value, size - offset));
    return value;
}

} // namespace

std::vector<std::string> spinnerInputFailures(const std::uint8_t *data, std::size_t size)
{
    Failures failures;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkReading(text, failures);

    const auto whole = take<std::int16_t>(data, size, 0);
    checkRoundTrip(whole, "", failures);
    checkRoundTrip(whole, " 0 0", failures);

    static const std::string_view separators[] = { ".", ",", "\xd9\xab" }; // the last is Arabic
    const std::string_view separator = separators[size ? data[size - 1] % 3 : 0];
    // The bytes as a double of any value (infinities and NaN included) ...
    checkPercent(take<double>(data, size, 0), separator, failures);
    // ... as a fraction in 0..1 ...
    const auto bits = take<std::uint64_t>(data, size, 0);
    checkPercent(static_cast<double>(bits >> 11) * 0x1p-53, separator, failures);
    // ... and as the game's own wins / spins.
    const auto spins = take<std::uint32_t>(data, size, 0);
    const auto wins = take<std::uint32_t>(data, size, 4);
    if (spins > 0)
        checkPercent(static_cast<double>(std::min(wins, spins)) / spins, separator, failures);
    return failures;
}
