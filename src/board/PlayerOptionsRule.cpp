// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/PlayerOptionsRule.h"

#include "ui/TextMark.h"

#include <algorithm>

namespace board {

std::vector<MarkerKind> boxesToDisable(std::int16_t optionChoice, MarkerKind clicked, const Ticks &ticked)
{
    const auto others = otherMarkers(clicked);
    if (optionChoice == 1)
        return { others[0], others[1] };
    if (optionChoice != 2 || !ticked[indexOf(clicked)])
        return {};
    // Two players: once two boxes are ticked, the third is disabled. The later marker of the
    // table is tested first.
    if (ticked[indexOf(others[1])])
        return { others[0] };
    if (ticked[indexOf(others[0])])
        return { others[1] };
    return {};
}

std::optional<const char *> closeWarning(std::int16_t optionChoice, const Ticks &ticked)
{
    const auto count = std::count(ticked.begin(), ticked.end(), true);
    if (optionChoice == 2 && count < 2)
        return PH_TRANSLATE_NOOP("frmPlayerOptions", "You must select two markers!");
    if (optionChoice == 3 && count < 3)
        return PH_TRANSLATE_NOOP("frmPlayerOptions", "You must select all three markers!");
    return std::nullopt;
}

const char *directionsFor(std::int16_t optionChoice)
{
    switch (optionChoice) {
    case 1:
        return PH_TRANSLATE_NOOP("frmPlayerOptions", "Select the ONE marker you would like to use.");
    case 2:
        return PH_TRANSLATE_NOOP("frmPlayerOptions", "Select the TWO markers you would like to use.");
    default:
        return PH_TRANSLATE_NOOP("frmPlayerOptions", "Select ALL three markers.");
    }
}

} // namespace board
