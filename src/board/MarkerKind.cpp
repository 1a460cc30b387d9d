// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/MarkerKind.h"

namespace {

constexpr std::array<MarkerNames, 3> table { {
    { "BICYCLE", "bicycle", "Bicycle marker", "Bicycle", ":/icons/bicycle32.png", ":/icons/bicycle16.png" },
    { "CARS", "cars", "Cars Marker", "Cars", ":/icons/cars32.png", ":/icons/cars16.png" },
    { "PLANE", "plane", "Plane Marker", "Plane", ":/icons/plane32.png", ":/icons/plane16.png" },
} };

template <class Field> std::optional<MarkerKind> find(std::string_view text, Field field)
{
    for (MarkerKind kind : allMarkers) {
        if (text == table[indexOf(kind)].*field)
            return kind;
    }
    return std::nullopt;
}

} // namespace

const MarkerNames &names(MarkerKind kind)
{
    return table[indexOf(kind)];
}

std::optional<MarkerKind> markerOfTag(std::string_view tag)
{
    return find(tag, &MarkerNames::dragTag);
}

std::optional<MarkerKind> markerOfKey(std::string_view key)
{
    return find(key, &MarkerNames::toolbarKey);
}

std::array<MarkerKind, 2> otherMarkers(MarkerKind kind)
{
    std::array<MarkerKind, 2> others {};
    int n = 0;
    for (MarkerKind k : allMarkers) {
        if (k != kind)
            others[n++] = k;
    }
    return others;
}
