#pragma once
#include <QtGlobal>

// The colours of the spinner game's windows, as &H00BBGGRR&.
namespace spinner::colour {

constexpr quint32 red = 0x000000FF;
constexpr quint32 yellow = 0x0000FFFF;
constexpr quint32 blue = 0x00FF0000;
constexpr quint32 darkBlue = 0x00C00000;
constexpr quint32 lightRed = 0x00C0C0FF;

} // namespace spinner::colour
