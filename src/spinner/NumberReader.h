// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string_view>

// The reading of a typed number, as the own-limit entry of the limits dialog takes it. Pure
// functions: the dialog hands over the text (UTF-8) and stores the result.
namespace spinner {

// Reads a number from the start of the text. Blanks, tabs and line feeds anywhere are ignored;
// an optional sign, digits, a decimal point with digits and an exponent (E or D) are read up to
// the first character that cannot continue the number; &H and &O read a hexadecimal or octal
// whole number. Text that does not begin with a number reads as 0. Values beyond the range of
// a double read as plus or minus infinity.
double readNumber(std::string_view text);

// The nearest whole number, a half going to the even neighbour (12.5 gives 12, 13.5 gives 14).
double roundHalfEven(double value);

// The own attempt limit for a typed entry: read, rounded half to even, and clamped into the
// 16-bit range, so an entry such as 99999 gives 32767 and -1e9 gives -32768.
std::int16_t ownLimitFromEntry(std::string_view text);

} // namespace spinner
