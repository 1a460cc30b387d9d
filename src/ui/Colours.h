// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// The colours the window tables name, written as the tables write them: &H00BBGGRR&.
namespace ui {

constexpr std::uint32_t rgb(int r, int g, int b)
{
    return std::uint32_t(r & 0xFF) | (std::uint32_t(g & 0xFF) << 8) | (std::uint32_t(b & 0xFF) << 16);
}

// In scope by their plain names in every window's class.
struct Colours {
    static constexpr std::uint32_t black = rgb(0, 0, 0);
    static constexpr std::uint32_t white = rgb(255, 255, 255);
    static constexpr std::uint32_t grey = rgb(192, 192, 192);
    static constexpr std::uint32_t red = rgb(255, 0, 0);
    static constexpr std::uint32_t green = rgb(0, 255, 0);
    static constexpr std::uint32_t blue = rgb(0, 0, 255);
    static constexpr std::uint32_t darkBlue = rgb(0, 0, 192);
    static constexpr std::uint32_t lightBlue = rgb(128, 128, 255);
    static constexpr std::uint32_t yellow = rgb(255, 255, 0);
    static constexpr std::uint32_t cyan = rgb(0, 255, 255);
    static constexpr std::uint32_t pink = rgb(255, 192, 192);
};

} // namespace ui
