#pragma once
#include "board/MarkerKind.h"
#include "ui/Bars.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/Twips.h"

#include <cstdint>

// The board game: 26 stones from START to FINISH, a marker picture per player and stone, the
// spinner panel, a toolbar, a status bar and the menus. One to three players spin and drag their
// markers in turn. A marker stands on stone i exactly when its picture at index i is visible;
// the board keeps no other record of where a picture stands.
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

    UI_OLD_CONTROL_ARRAY(ui::PictureBox, picBrookhop)
    UI_OLD_CONTROL_ARRAY(ui::Line, linPath)
    UI_OLD_CONTROL(ui::Label, lblStart)
    UI_OLD_CONTROL(ui::Label, lblFinish)
    UI_OLD_CONTROL_ARRAY(ui::Image, imgBicycle)
    UI_OLD_CONTROL_ARRAY(ui::Image, imgCars)
    UI_OLD_CONTROL_ARRAY(ui::Image, imgPlane)
    UI_OLD_CONTROL(ui::Frame, fraSpinner)
    UI_OLD_CONTROL(ui::Label, lblMinusTwo)
    UI_OLD_CONTROL(ui::Label, lblMinusOne)
    UI_OLD_CONTROL(ui::Label, lblZero)
    UI_OLD_CONTROL(ui::Label, lblOne)
    UI_OLD_CONTROL(ui::Label, lblTwo)
    UI_OLD_CONTROL(ui::Label, lblThree)
    UI_OLD_CONTROL(ui::Label, lblFour)
    UI_OLD_CONTROL(ui::OptionButton, optBicycle)
    UI_OLD_CONTROL(ui::OptionButton, optCars)
    UI_OLD_CONTROL(ui::OptionButton, optPlane)
    UI_OLD_CONTROL(ui::Button, cmdEnd)
    UI_OLD_CONTROL(ui::Button, cmdRestart)
    UI_OLD_CONTROL(ui::ToolBar, tbrYourMoves)
    UI_OLD_CONTROL(ui::StatusBar, sbrDisplayMessage)
    UI_OLD_CONTROL(QAction, mnuYourMoves)
    UI_OLD_CONTROL(QAction, mnuBicycle)
    UI_OLD_CONTROL(QAction, mnuCars)
    UI_OLD_CONTROL(QAction, mnuPlane)
    UI_OLD_CONTROL(QAction, mnuPlayerOptions)
    UI_OLD_CONTROL(QAction, mnuOnePlayer)
    UI_OLD_CONTROL(QAction, mnuTwoPlayers)
    UI_OLD_CONTROL(QAction, mnuThreePlayers)
    UI_OLD_CONTROL(QAction, mnuHelp)
    UI_OLD_CONTROL(QAction, mnuContents)
    UI_OLD_CONTROL(QAction, mnuStartHelp)
    UI_OLD_CONTROL(QAction, mnuHowTo)

    // The marker's own entries of the per-marker table.
    ui::Image *markerPicture(MarkerKind kind, int index);
    ui::OptionButton *optionButton(MarkerKind kind);
    QAction *menuItem(MarkerKind kind);
    bool &flag(MarkerKind kind);
    std::int16_t &position(MarkerKind kind);
    ui::Label *spinnerLabel(std::int16_t value);

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
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void spin(MarkerKind kind);
    void unselectOptionButton(MarkerKind kind);
    void openPlayerOptions(std::int16_t players);
    void moveMarker(MarkerKind kind, ui::ControlBase *source, int stone);
    void finishMarker(MarkerKind kind, ui::ControlBase *source);
    void sendBackToStart(MarkerKind kind, ui::ControlBase *source, int stone);
    bool stoneHoldsMarker(int stone);
    void afterDrop();
    void setMessage(const QString &text);
};
