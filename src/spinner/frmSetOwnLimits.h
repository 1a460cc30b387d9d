#pragma once
#include "ui/Controls.h"
#include "ui/Form.h"

#include <cstdint>

// The limits dialog of the spinner game: open limits, 10, 25 or 100 attempts, or a number of
// the player's own. Each choice writes the game window's limit variables at once; the dialog
// keeps no variables, only its selected option and whether "Return to Game" is enabled.
class frmSetOwnLimits : public ui::Form {
    Q_OBJECT
public:
    frmSetOwnLimits();

    UI_OLD_CONTROL(ui::Button, cmdReturnToGame)
    UI_OLD_CONTROL(ui::Frame, fraSetOwnLimits)
    UI_OLD_CONTROL_ARRAY(ui::OptionButton, Option1)
    UI_OLD_CONTROL_ARRAY(ui::OptionButton, Option2)
    UI_OLD_CONTROL_ARRAY(ui::OptionButton, Option3)
    UI_OLD_CONTROL_ARRAY(ui::OptionButton, Option4)
    UI_OLD_CONTROL_ARRAY(ui::OptionButton, Option5)

    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void Option3_Click(std::int16_t Index);
    void Option4_Click(std::int16_t Index);
    void Option5_Click(std::int16_t Index);
    void cmdReturnToGame_Click();

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void chooseFixedLimit(std::int16_t limit);
};
