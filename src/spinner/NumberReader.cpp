// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/NumberReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace spinner {
namespace {

bool isIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c, int base)
{
    int d = -1;
    if (isDigit(c))
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

double readWhole(std::string_view s, int base)
{
    double value = 0;
    for (char c : s) {
        const int d = digitValue(c, base);
        if (d < 0)
            break;
        value = value * base + d;
    }
    return value;
}

double readDecimal(std::string_view s)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string digits; // significant digits without leading zeros
    long long pointShift = 0; // the value is digits x 10^(exponent - pointShift)
    bool anyDigit = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        anyDigit = true;
        if (!digits.empty() || s[i] != '0')
            digits += s[i];
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            anyDigit = true;
            ++pointShift;
            if (!digits.empty() || s[i] != '0')
                digits += s[i];
        }
    }
    if (!anyDigit || digits.empty())
        return 0;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        bool minus = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            minus = s[j++] == '-';
        // An exponent letter with no digits after it ends the number before the letter.
        for (; j < s.size() && isDigit(s[j]); ++j)
            exponent = std::min<long long>(exponent * 10 + (s[j] - '0'), 1'000'000'000);
        if (minus)
            exponent = -exponent;
    }
    const long long scale = exponent - pointShift;
    const std::string text = digits + 'e' + std::to_string(scale);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Either far above the largest double or far below the smallest: the magnitude decides.
        const long long magnitude = scale + static_cast<long long>(digits.size());
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double readNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!isIgnored(c))
            s += c;
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readWhole(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readWhole(std::string_view(s).substr(2), 8);
    }
    return readDecimal(s);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::int16_t ownLimitFromEntry(std::string_view text)
{
    const double rounded = roundHalfEven(readNumber(text));
    return static_cast<std::int16_t>(std::clamp(rounded, -32768.0, 32767.0));
}

} // namespace spinner
