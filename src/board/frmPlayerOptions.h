#pragma once
#include "board/MarkerKind.h"
#include "board/PlayerOptionsRule.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/Twips.h"

// The small modal dialog in which the players say which markers take part. It keeps no state
// of its own: each tick puts its marker into play on the board at once, and closing (only by
// the close box) checks that the ticks fit the board's optionChoice, warning and taking every
// marker off the board again when they do not.
class frmPlayerOptions : public ui::Form {
    Q_OBJECT
public:
    frmPlayerOptions();

    UI_OLD_CONTROL(ui::Label, lblDirections)
    UI_OLD_CONTROL(ui::Frame, fraPlayerOptions)
    UI_OLD_CONTROL(ui::CheckBox, chkBicycle)
    UI_OLD_CONTROL(ui::CheckBox, chkCars)
    UI_OLD_CONTROL(ui::CheckBox, chkPlane)
    UI_OLD_CONTROL(ui::Image, imgBicycle)
    UI_OLD_CONTROL(ui::Image, imgCars)
    UI_OLD_CONTROL(ui::Image, imgPlane)

    ui::CheckBox *checkBox(MarkerKind kind);

    void chkBicycle_Click();
    void chkCars_Click();
    void chkPlane_Click();

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void markerReset();
    void ticked(MarkerKind kind);
    board::Ticks ticks();
};
