// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/MarkerKind.h"
#include "board/MarkerTexts.h"
#include "board/PlayerOptionsRule.h"
#include "ui/Form.h"
#include "ui/Geometry.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

// The small modal dialog in which the players say which markers take part. It keeps no state
// of its own: each tick puts its marker into play on the board at once, and closing (only by
// the close box) checks that the ticks fit the board's optionChoice, warning and taking every
// marker off the board again when they do not.
class frmPlayerOptions : public ui::Form {
    Q_OBJECT
public:
    frmPlayerOptions();

private:
    // The per-marker lookup below shares its name with a row of the design vocabulary.
    using ui::DesignVocabulary::checkBox;

    // A marker's check box and picture, to be placed in the frame.
    static ui::Row<ui::CheckBox> markerBox(MarkerKind kind);
    static ui::Row<ui::Image> markerImage(MarkerKind kind);

public:
    // clang-format off
    UI_CONTROL(lblDirections, label().accessibleName("Directions").at(240, 240, 2295, 735).back(white).font(arial(9.75).bold()).centred());
    UI_CONTROL(fraPlayerOptions, frame().caption("Player Options").at(240, 1080, 2295, 2415).back(white));
    UI_CONTROL(chkBicycle, markerBox(MarkerKind::Bicycle).in(fraPlayerOptions).at(360, 480, 975, 195));
    UI_CONTROL(imgBicycle, markerImage(MarkerKind::Bicycle).in(fraPlayerOptions).at(1320, 360, 375, 375));
    UI_CONTROL(chkCars, markerBox(MarkerKind::Cars).in(fraPlayerOptions).at(360, 1200, 735, 195));
    UI_CONTROL(imgCars, markerImage(MarkerKind::Cars).in(fraPlayerOptions).at(1320, 1080, 375, 375));
    UI_CONTROL(chkPlane, markerBox(MarkerKind::Plane).in(fraPlayerOptions).at(360, 1920, 855, 195));
    UI_CONTROL(imgPlane, markerImage(MarkerKind::Plane).in(fraPlayerOptions).at(1320, 1800, 375, 375));
    // clang-format on

    ui::CheckBox *checkBox(MarkerKind kind);

    void chkBicycle_Click();
    void chkCars_Click();
    void chkPlane_Click();

protected:
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void markerReset();
    void ticked(MarkerKind kind);
    board::Ticks ticks();
};
