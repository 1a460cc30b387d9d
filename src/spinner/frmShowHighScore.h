// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <cstdint>

// The last window of a spinner game: a perfect score for a game in which every spin won,
// otherwise the highest percentage of the run. Leaving it ends the spinner game and brings the
// launcher back; it keeps no variables of its own.
class frmShowHighScore : public ui::Form {
    Q_OBJECT
public:
    frmShowHighScore();

    // clang-format off
    UI_CONTROL(lblHighScore, label().accessibleName("High score").at(240, 240, 7335, 1575).back(yellow).fore(red).font(arial(20.25).bold()).tabIndex(0));
    UI_CONTROL(cmdExit, button().caption("Exit the Game").at(4320, 2040, 3375, 375).back(yellow).font(arial(9.75).bold()).tabIndex(1));
    // clang-format on

    void cmdExit_Click();

protected:
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;
};
