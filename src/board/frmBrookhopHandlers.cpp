// SPDX-License-Identifier: GPL-3.0-or-later
// The board window's handlers other than the drop (spins, menus, Restart and End) and their wiring.
#include "board/PlayerOptionsRule.h"
#include "board/SpinRule.h"
#include "board/frmBrookhop.h"
#include "board/frmPlayerOptions.h"
#include "help/frmHelpBrookhop.h"
#include "ui/Accessible.h"
#include "ui/Announce.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardFocus.h"
#include "ui/Random.h"

#include <array>

using namespace ui;

namespace {

// The marker's own named handlers.
struct MarkerHandlers {
    void (frmBrookhop::*optionClick)();
    void (frmBrookhop::*pictureClick)(std::int16_t);
    void (frmBrookhop::*menuClick)();
};

constexpr std::array<MarkerHandlers, 3> handlers { {
    { &frmBrookhop::optBicycle_Click, &frmBrookhop::imgBicycle_Click, &frmBrookhop::mnuBicycle_Click },
    { &frmBrookhop::optCars_Click, &frmBrookhop::imgCars_Click, &frmBrookhop::mnuCars_Click },
    { &frmBrookhop::optPlane_Click, &frmBrookhop::imgPlane_Click, &frmBrookhop::mnuPlane_Click },
} };

} // namespace

void frmBrookhop::wire()
{
    for (MarkerKind kind : allMarkers) {
        const MarkerHandlers &h = handlers[indexOf(kind)];
        handle(optionButton(kind), &OptionButton::Click, [this, h] { (this->*h.optionClick)(); });
        // After a lost turn the button stays selected; from the keyboard, Space on it spins
        // again, as its menu item does, while no spun value waits for its move.
        handle(optionButton(kind), &OptionButton::Reselected, [this, h] {
            if (!spinnerLabel(spinValue)->isEnabled())
                (this->*h.menuClick)();
        });
        handle(menuItem(kind), &QAction::triggered, [this, h] { (this->*h.menuClick)(); });
        for (int i = 0; i <= board::spinnerPicture; ++i)
            handle(markerPicture(kind, i), &Image::Click, [this, h, i] { (this->*h.pictureClick)(std::int16_t(i)); });
    }
    for (int i = 0; i < board::stoneCount; ++i) {
        handle(picBrookhop(i), &PictureBox::DragDrop, [this, i](ControlBase *source, double x, double y) {
            picBrookhop_DragDrop(std::int16_t(i), source, x, y);
        });
    }
    handle(tbrYourMoves(), &ToolBar::ButtonClick, [this](const QString &key) { tbrYourMoves_ButtonClick(key); });
    handle(mnuOnePlayer(), &QAction::triggered, [this] { mnuOnePlayer_Click(); });
    handle(mnuTwoPlayers(), &QAction::triggered, [this] { mnuTwoPlayers_Click(); });
    handle(mnuThreePlayers(), &QAction::triggered, [this] { mnuThreePlayers_Click(); });
    handle(mnuContents(), &QAction::triggered, [this] { mnuContents_Click(); });
    handle(mnuHowTo(), &QAction::triggered, [this] { mnuHowTo_Click(); });
    handle(lblStart(), &Label::MouseUp, [this](int b, int s, double x, double y) { lblStart_MouseUp(b, s, x, y); });
    handle(cmdRestart(), &Button::Click, [this] { cmdRestart_Click(); });
    handle(cmdEnd(), &Button::Click, [this] { cmdEnd_Click(); });
}

// The spin of one marker, whichever way it was asked for.
void frmBrookhop::spin(MarkerKind kind)
{
    setMessage(QString());
    mnuPlayerOptions()->setEnabled(false);
    moveDone = false;
    std::int16_t &from = position(kind);
    const board::Spin s = board::spinFrom(from, [] { return Rnd(); });
    spinValue = s.spinValue;
    newPosition = s.newPosition;
    if (newPosition == from) {
        const QString lost = tr("You lose a turn!");
        setMessage(lost);
        MsgBox(lost);
        if (!stillLoaded())
            return;
        // The next player spins: from the keyboard, the focus goes to their spin button.
        const QString said = tr(names(kind).lostTurnSaid).arg(spinValue);
        if (usedByKeyboard(optionButton(kind)))
            focusNextSpin(kind, said);
        else
            announce(said);
        return;
    }
    Label *lit = spinnerLabel(spinValue);
    lit->setEnabled(true);
    setForeColor(lit, red);
    Image *marker = markerPicture(kind, from);
    from = newPosition;
    nameSpinner();
    // From the keyboard, the focus goes on to the marker to be moved: Space picks it up.
    const QString said = tr(names(kind).spinSaid).arg(spinValue).arg(newPosition);
    if (usedByKeyboard(optionButton(kind)))
        focusAndAnnounce(marker, said);
    else
        announce(said);
}

void frmBrookhop::optBicycle_Click()
{
    spin(MarkerKind::Bicycle);
}
void frmBrookhop::optCars_Click()
{
    spin(MarkerKind::Cars);
}
void frmBrookhop::optPlane_Click()
{
    spin(MarkerKind::Plane);
}

void frmBrookhop::unselectOptionButton(MarkerKind kind)
{
    optionButton(kind)->setValue(false);
}

void frmBrookhop::imgBicycle_Click(std::int16_t)
{
    unselectOptionButton(MarkerKind::Bicycle);
}
void frmBrookhop::imgCars_Click(std::int16_t)
{
    unselectOptionButton(MarkerKind::Cars);
}
void frmBrookhop::imgPlane_Click(std::int16_t)
{
    unselectOptionButton(MarkerKind::Plane);
}

void frmBrookhop::tbrYourMoves_ButtonClick(const QString &Key)
{
    const auto kind = markerOfKey(Key.toStdString());
    if (kind && flag(*kind))
        spin(*kind);
}

// A marker out of play has its menu item disabled, so the menu needs no test of the flag.
void frmBrookhop::mnuBicycle_Click()
{
    optBicycle_Click();
}
void frmBrookhop::mnuCars_Click()
{
    optCars_Click();
}
void frmBrookhop::mnuPlane_Click()
{
    optPlane_Click();
}

void frmBrookhop::openPlayerOptions(std::int16_t players)
{
    optionChoice = players;
    auto &dialog = form<frmPlayerOptions>();
    // Reaching the label loads the dialog, whose load takes every marker out of play.
    const QString directions = frmPlayerOptions::tr(board::directionsFor(players));
    dialog.lblDirections()->setCaption(directions);
    presentAsDialog(dialog.view(), plainCaption(directions));
    // Nothing follows the dialog: the board needs no re-check once it has closed.
    (void)dialog.showModal();
}

void frmBrookhop::mnuOnePlayer_Click()
{
    openPlayerOptions(1);
}
void frmBrookhop::mnuTwoPlayers_Click()
{
    openPlayerOptions(2);
}
void frmBrookhop::mnuThreePlayers_Click()
{
    openPlayerOptions(3);
}

void frmBrookhop::mnuContents_Click()
{
    form<frmHelpBrookhop>().show();
}

void frmBrookhop::mnuHowTo_Click()
{
    MsgBox(tr("You must click on an option button to start the game!!"), MsgButtons::OK, MsgIcon::Information);
}

void frmBrookhop::lblStart_MouseUp(int, int, double, double)
{
    PopupMenu(mnuStartHelp());
}

// A new game: every marker back in play on START, FINISH's places free again. The latest spin
// is not undone: until the next one, its stone still takes a drop.
void frmBrookhop::cmdRestart_Click()
{
    for (MarkerKind kind : allMarkers) {
        setMarkerInPlay(kind, true);
        markerPicture(kind, board::finishStone)->setEnabled(true);
        position(kind) = 0;
    }
    mnuPlayerOptions()->setEnabled(true);
    finishPlace = 1;
}

void frmBrookhop::cmdEnd_Click()
{
    // Form_Unload went home while the board still stood; once the board is hidden, going home
    // again brings the launcher to the front.
    unload();
    ShowHome();
}
