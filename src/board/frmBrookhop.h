// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/BoardLayout.h"
#include "board/MarkerKind.h"
#include "board/MarkerTexts.h"
#include "ui/Form.h"
#include "ui/Geometry.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <QAction>
#include <cstdint>

// The board game: 26 stones from START to FINISH, a marker picture per player and stone, the
// spinner panel, a toolbar, a status bar and the menus. One to three players spin and drag their
// markers in turn. A marker stands on stone i exactly when its picture at index i is visible;
// the board keeps no other record of where a picture stands.
//
// The window is spread over four files: the rows of its control arrays (frmBrookhopDesign.cpp),
// its state and the per-marker lookups (frmBrookhop.cpp), the drop of a marker on a stone
// (frmBrookhopDrops.cpp) and the other handlers with their wiring (frmBrookhopHandlers.cpp).
class frmBrookhop : public ui::Form {
    Q_OBJECT
public:
    frmBrookhop();

    // Read and written by the player-options dialog.
    bool bicycleFlag = false;
    bool carsFlag = false;
    bool planeFlag = false;
    std::int16_t optionChoice = 0;

    // Kept by the board alone.
    std::int16_t newPosition = 0;
    std::int16_t spinValue = 0;
    std::int16_t bicyclePosition = 0;
    std::int16_t carsPosition = 0;
    std::int16_t planePosition = 0;
    std::int16_t finishPlace = 0;
    bool moveDone = false;

private:
    // The per-marker lookups below share their names with rows of the design vocabulary.
    using ui::DesignVocabulary::menuItem;
    using ui::DesignVocabulary::optionButton;

    // The Tab key follows the game: the spin buttons, then the path from START to FINISH, each
    // stone followed by the markers standing on it, then End and Restart.
    static constexpr int firstStoneTab = 10;
    static constexpr int endTab = firstStoneTab + 4 * board::stoneCount;
    static constexpr const char *messagePanel = "msg";

    // Rows built alike for each stone, path line, marker or spinner value.
    static ui::Rows<ui::PictureBox> stoneRows();
    static ui::Rows<ui::Line> pathRows();
    // Pictures 0 to 25 lie in the stones, picture 26 in the spinner panel under the spin button.
    static ui::Rows<ui::Image> markerRows(MarkerKind kind, const ui::ControlSlot &stones, const ui::ControlSlot &panel);
    static ui::Row<ui::Label> spinnerValue(const char *value);
    static QString stoneName(int stone);
    static ui::Row<ui::OptionButton> spinButton(MarkerKind kind);
    static QList<ui::ToolButtonDesign> markerButtons();

public:
    // The spinner panel comes before the marker pictures because each marker's last picture
    // lies in it. The panel and the pictures on the stones have different parents, so this
    // order changes the stacking of neither.
    // clang-format off
    UI_CONTROL(picBrookhop, stoneRows());
    UI_CONTROL(linPath, pathRows());
    UI_CONTROL(lblStart, label().caption("START").at(120, 600, 1935, 495).back(white).fore(red).font(arial(20.25).bold()).centred());
    UI_CONTROL(lblFinish, label().caption("Finish").at(5520, 2640, 1935, 495).back(white).fore(red).font(arial(20.25).bold()).centred());
    UI_CONTROL(fraSpinner, frame().at(120, 2040, 2175, 3735).back(red).accessibleName("Spinner"));
    UI_CONTROL(imgBicycle, markerRows(MarkerKind::Bicycle, picBrookhop, fraSpinner));
    UI_CONTROL(imgCars, markerRows(MarkerKind::Cars, picBrookhop, fraSpinner));
    UI_CONTROL(imgPlane, markerRows(MarkerKind::Plane, picBrookhop, fraSpinner));
    UI_CONTROL(lblMinusTwo, spinnerValue("-2").in(fraSpinner).at(120, 120, 975, 615).back(ui::rgb(255, 128, 128)));
    UI_CONTROL(lblMinusOne, spinnerValue("-1").in(fraSpinner).at(1080, 120, 975, 615).back(ui::rgb(128, 255, 128)));
    UI_CONTROL(lblZero, spinnerValue("0").in(fraSpinner).at(120, 720, 1935, 615).back(white));
    UI_CONTROL(lblOne, spinnerValue("1").in(fraSpinner).at(120, 1320, 975, 615).back(ui::rgb(128, 255, 255)));
    UI_CONTROL(lblTwo, spinnerValue("2").in(fraSpinner).at(1080, 1320, 975, 615).back(ui::rgb(255, 255, 128)));
    UI_CONTROL(lblThree, spinnerValue("3").in(fraSpinner).at(120, 1920, 975, 615).back(ui::rgb(255, 128, 255)));
    UI_CONTROL(lblFour, spinnerValue("4").in(fraSpinner).at(1080, 1920, 975, 615).back(lightBlue));
    UI_CONTROL(optBicycle, spinButton(MarkerKind::Bicycle).in(fraSpinner));
    UI_CONTROL(optCars, spinButton(MarkerKind::Cars).in(fraSpinner));
    UI_CONTROL(optPlane, spinButton(MarkerKind::Plane).in(fraSpinner));
    UI_CONTROL(cmdEnd, button().caption("End").at(240, 6000, 975, 495).back(yellow).font(arial(9.75).bold()).tabIndex(endTab));
    UI_CONTROL(cmdRestart, button().caption("Restart").at(1200, 6000, 975, 495).back(green).font(arial(9.75).bold()).tabIndex(endTab + 1));
    UI_CONTROL(tbrYourMoves, toolBar().buttons(markerButtons()).accessibleName("Your Moves toolbar"));
    UI_CONTROL(sbrDisplayMessage, statusBar().panels({ { messagePanel, ui::PanelStyle::Text }, { {}, ui::PanelStyle::Time }, { {}, ui::PanelStyle::Date } }).accessibleName("Status bar"));
    UI_CONTROL(mnuYourMoves, topMenu("Your Moves"));
    UI_CONTROL(mnuBicycle, menuItem(markerText(names(MarkerKind::Bicycle).caption)).in(mnuYourMoves));
    UI_CONTROL(mnuCars, menuItem(markerText(names(MarkerKind::Cars).caption)).in(mnuYourMoves));
    UI_CONTROL(mnuPlane, menuItem(markerText(names(MarkerKind::Plane).caption)).in(mnuYourMoves));
    UI_CONTROL(mnuPlayerOptions, topMenu("Player Options"));
    UI_CONTROL(mnuOnePlayer, menuItem("One Player").in(mnuPlayerOptions));
    UI_CONTROL(mnuTwoPlayers, menuItem("Two Players").in(mnuPlayerOptions));
    UI_CONTROL(mnuThreePlayers, menuItem("Three Players").in(mnuPlayerOptions));
    UI_CONTROL(mnuHelp, topMenu("Help"));
    UI_CONTROL(mnuContents, menuItem("Contents").in(mnuHelp));
    UI_CONTROL(mnuStartHelp, topMenu("Start Help").hidden());
    UI_CONTROL(mnuHowTo, menuItem("How to start?").in(mnuStartHelp));
    // clang-format on

    // The marker's own controls and variables.
    ui::Image *markerPicture(MarkerKind kind, int index);
    ui::OptionButton *optionButton(MarkerKind kind);
    QAction *menuItem(MarkerKind kind);
    bool &flag(MarkerKind kind);
    std::int16_t &position(MarkerKind kind);
    // The spinner-panel label that shows a spin value, -2 to 4.
    ui::Label *spinnerLabel(std::int16_t value);

    // A marker in play stands on START alone, and its spin button, spinner-panel picture and
    // menu item are usable. Taking it out of play hides its START and spinner-panel pictures and
    // disables its button and menu item; a picture on another stone and its position stay.
    void setMarkerInPlay(MarkerKind kind, bool inPlay);

    void optBicycle_Click();
    void optCars_Click();
    void optPlane_Click();
    void imgBicycle_Click(std::int16_t Index);
    void imgCars_Click(std::int16_t Index);
    void imgPlane_Click(std::int16_t Index);
    void picBrookhop_DragDrop(std::int16_t Index, ui::ControlBase *Source, double X, double Y);
    void tbrYourMoves_ButtonClick(const QString &Key);
    void mnuBicycle_Click();
    void mnuCars_Click();
    void mnuPlane_Click();
    void mnuOnePlayer_Click();
    void mnuTwoPlayers_Click();
    void mnuThreePlayers_Click();
    void mnuContents_Click();
    void mnuHowTo_Click();
    void lblStart_MouseUp(int Button, int Shift, double X, double Y);
    void cmdRestart_Click();
    void cmdEnd_Click();

protected:
    ui::FormDesign formDesign() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void setMessage(const QString &text);
    void spin(MarkerKind kind);
    void unselectOptionButton(MarkerKind kind);
    void openPlayerOptions(std::int16_t players);
    void moveMarker(MarkerKind kind, ui::ControlBase *source, int stone);
    void finishMarker(MarkerKind kind, ui::ControlBase *source);
    void sendBackToStart(MarkerKind kind, ui::ControlBase *source, int stone);
    bool stoneHoldsMarker(int stone);
    void afterDrop();
    // What a screen reader hears of the board: each stone named with the markers on it, the
    // spinner panel with its lit value, and after a move made by keyboard the next player's
    // spin button takes the focus.
    void nameStones();
    void nameSpinner();
    void focusNextSpin(MarkerKind moved, const QString &said);
};
