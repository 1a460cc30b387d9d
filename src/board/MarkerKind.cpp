// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/MarkerKind.h"

#include "ui/TextMark.h"

namespace {

constexpr std::array<MarkerNames, 3> table { {
    //: A marker is a player's piece on the board; the three are a bicycle, cars and a plane.
    { "BICYCLE", "bicycle", PH_TRANSLATE_NOOP("MarkerKind", "Bicycle marker"),
        PH_TRANSLATE_NOOP("MarkerKind", "Bicycle"), PH_TRANSLATE_NOOP("frmBrookhop", "Bicycle marker on stone %1"),
        PH_TRANSLATE_NOOP("frmBrookhop", "Bicycle marker"), PH_TRANSLATE_NOOP("frmPlayerOptions", "Bicycle picture"),
        PH_TRANSLATE_NOOP("frmBrookhop", "Bicycle spin button"),
        //: Said after the bicycle's spin: %1 is the spinner's value, %2 the stone to move the marker to.
        PH_TRANSLATE_NOOP("frmBrookhop", "Bicycle: %1. Move to stone %2."),
        PH_TRANSLATE_NOOP("frmBrookhop", "Bicycle: %1. You lose a turn."), ":/icons/bicycle32.png",
        ":/icons/bicycle16.png" },
    { "CARS", "cars", PH_TRANSLATE_NOOP("MarkerKind", "Cars Marker"), PH_TRANSLATE_NOOP("MarkerKind", "Cars"),
        PH_TRANSLATE_NOOP("frmBrookhop", "Cars marker on stone %1"), PH_TRANSLATE_NOOP("frmBrookhop", "Cars marker"),
        PH_TRANSLATE_NOOP("frmPlayerOptions", "Cars picture"), PH_TRANSLATE_NOOP("frmBrookhop", "Cars spin button"),
        PH_TRANSLATE_NOOP("frmBrookhop", "Cars: %1. Move to stone %2."),
        PH_TRANSLATE_NOOP("frmBrookhop", "Cars: %1. You lose a turn."), ":/icons/cars32.png", ":/icons/cars16.png" },
    { "PLANE", "plane", PH_TRANSLATE_NOOP("MarkerKind", "Plane Marker"), PH_TRANSLATE_NOOP("MarkerKind", "Plane"),
        PH_TRANSLATE_NOOP("frmBrookhop", "Plane marker on stone %1"), PH_TRANSLATE_NOOP("frmBrookhop", "Plane marker"),
        PH_TRANSLATE_NOOP("frmPlayerOptions", "Plane picture"), PH_TRANSLATE_NOOP("frmBrookhop", "Plane spin button"),
        PH_TRANSLATE_NOOP("frmBrookhop", "Plane: %1. Move to stone %2."),
        PH_TRANSLATE_NOOP("frmBrookhop", "Plane: %1. You lose a turn."), ":/icons/plane32.png", ":/icons/plane16.png" },
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
