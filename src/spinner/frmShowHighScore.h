#pragma once
#include "ui/Controls.h"
#include "ui/Form.h"

#include <cstdint>

// The last window of a spinner game: a perfect score for a game in which every spin won,
// otherwise the highest percentage of the run. Leaving it ends the spinner game and brings the
// launcher back; it keeps no variables of its own.
class frmShowHighScore : public ui::Form {
    Q_OBJECT
public:
    frmShowHighScore();

    UI_OLD_CONTROL(ui::Label, lblHighScore)
    UI_OLD_CONTROL(ui::Button, cmdExit)

    void cmdExit_Click();

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void leaveGame();
};
