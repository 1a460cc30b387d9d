// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <optional>
#include <string_view>

// The board game's three markers, always in this order (players 1, 2 and 3), and the texts and
// pictures that belong to each: every rule that speaks of "the marker's own" tag, key, caption
// or icon looks it up here, so the three markers share one procedure instead of three copies.
// The windows keep each marker's own controls in tables of their own.
enum class MarkerKind { Bicycle, Cars, Plane };

inline constexpr std::array<MarkerKind, 3> allMarkers { MarkerKind::Bicycle, MarkerKind::Cars, MarkerKind::Plane };

struct MarkerNames {
    const char *dragTag; // tag of its pictures on the stones
    const char *toolbarKey; // key of its toolbar button
    const char *toolTip; // text of its toolbar button
    const char *caption; // of the menu item and of the player-options check box
    // What assistive technology calls its pictures: on stone %1, in the spinner panel, in the
    // player options; and its spin button.
    const char *onStoneName;
    const char *panelName;
    const char *optionsName;
    const char *spinButtonName;
    // What a screen reader says after its spin: the value and the stone to move to, or the
    // value of a lost turn.
    const char *spinSaid;
    const char *lostTurnSaid;
    const char *icon32;
    const char *icon16;
};

const MarkerNames &names(MarkerKind kind);
inline int indexOf(MarkerKind kind)
{
    return static_cast<int>(kind);
}

// The marker a drag tag or a toolbar key stands for, compared exactly and case-sensitively.
std::optional<MarkerKind> markerOfTag(std::string_view tag);
std::optional<MarkerKind> markerOfKey(std::string_view key);

// The two other markers, in table order.
std::array<MarkerKind, 2> otherMarkers(MarkerKind kind);
