// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <cstdint>

// The limits dialog of the spinner game: open limits, 10, 25 or 100 attempts, or a number of
// the player's own. Each choice writes the game window's limit variables at once; the dialog
// keeps no variables, only its selected option and whether "Return to Game" is enabled.
class frmSetOwnLimits : public ui::Form {
    Q_OBJECT
public:
    frmSetOwnLimits();

private:
    // Each option is the only element of its own control array, with the index of its place;
    // the first is selected.
    static ui::Rows<ui::OptionButton> choice(const ui::ControlSlot &frame, int index, const char *caption, double top);

public:
    // clang-format off
    UI_CONTROL(cmdReturnToGame, button().caption("Return to Game").at(1920, 720, 855, 1455).back(yellow).font(arial(9.75).bold()).disabled().tabIndex(6));
    UI_CONTROL(fraSetOwnLimits, frame().caption("Set Own Limits").at(120, 120, 1695, 2775).back(yellow).fore(darkBlue).tabIndex(0));
    UI_CONTROL(Option1, choice(fraSetOwnLimits, 0, QT_TR_NOOP("OPEN LIMITS"), 360));
    UI_CONTROL(Option2, choice(fraSetOwnLimits, 1, "10", 840));
    UI_CONTROL(Option3, choice(fraSetOwnLimits, 2, "25", 1320));
    UI_CONTROL(Option4, choice(fraSetOwnLimits, 3, "100", 1800));
    UI_CONTROL(Option5, choice(fraSetOwnLimits, 4, QT_TR_NOOP("OTHER"), 2280));
    // clang-format on

    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void Option3_Click(std::int16_t Index);
    void Option4_Click(std::int16_t Index);
    void Option5_Click(std::int16_t Index);
    void cmdReturnToGame_Click();

protected:
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void chooseFixedLimit(std::int16_t limit);
};
