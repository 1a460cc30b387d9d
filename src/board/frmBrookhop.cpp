// SPDX-License-Identifier: GPL-3.0-or-later
// The board window's state: the per-marker lookups, load and unload, and a marker going into
// or out of play.
#include "board/frmBrookhop.h"

#include "board/SpinRule.h"
#include "ui/Random.h"

#include <array>

using namespace ui;

namespace {

// The marker's own controls and variables of the board.
struct MarkerMembers {
    ControlArray<Image> frmBrookhop::*pictures;
    Control<OptionButton> frmBrookhop::*optionButton;
    Control<MenuItem> frmBrookhop::*menuItem;
    bool frmBrookhop::*flag;
    std::int16_t frmBrookhop::*position;
};

constexpr std::array<MarkerMembers, 3> members { {
    { &frmBrookhop::imgBicycle, &frmBrookhop::optBicycle, &frmBrookhop::mnuBicycle, &frmBrookhop::bicycleFlag,
        &frmBrookhop::bicyclePosition },
    { &frmBrookhop::imgCars, &frmBrookhop::optCars, &frmBrookhop::mnuCars, &frmBrookhop::carsFlag,
        &frmBrookhop::carsPosition },
    { &frmBrookhop::imgPlane, &frmBrookhop::optPlane, &frmBrookhop::mnuPlane, &frmBrookhop::planeFlag,
        &frmBrookhop::planePosition },
} };

const MarkerMembers &membersOf(MarkerKind kind)
{
    return members[indexOf(kind)];
}

// The spinner-panel labels from the lowest spin value to the highest.
constexpr std::array<Control<Label> frmBrookhop::*, board::highestSpin - board::lowestSpin + 1> spinnerLabels {
    &frmBrookhop::lblMinusTwo, &frmBrookhop::lblMinusOne, &frmBrookhop::lblZero, &frmBrookhop::lblOne,
    &frmBrookhop::lblTwo, &frmBrookhop::lblThree, &frmBrookhop::lblFour
};

} // namespace

frmBrookhop::frmBrookhop()
    : Form(QStringLiteral("frmBrookhop"))
{
}

Image *frmBrookhop::markerPicture(MarkerKind kind, int index)
{
    return (this->*membersOf(kind).pictures)(index);
}

OptionButton *frmBrookhop::optionButton(MarkerKind kind)
{
    return (this->*membersOf(kind).optionButton)();
}

QAction *frmBrookhop::menuItem(MarkerKind kind)
{
    return (this->*membersOf(kind).menuItem)();
}

bool &frmBrookhop::flag(MarkerKind kind)
{
    return this->*membersOf(kind).flag;
}

std::int16_t &frmBrookhop::position(MarkerKind kind)
{
    return this->*membersOf(kind).position;
}

Label *frmBrookhop::spinnerLabel(std::int16_t value)
{
    return (this->*spinnerLabels.at(value - board::lowestSpin))();
}

void frmBrookhop::setMessage(const QString &text)
{
    sbrDisplayMessage()->setPanelText(QString::fromLatin1(messagePanel), text);
}

void frmBrookhop::setMarkerInPlay(MarkerKind kind, bool inPlay)
{
    if (inPlay) {
        // After Restart a marker can still be dropped on the last spin's stone before the
        // player-options dialog opens; showing its START picture beside that one would put one
        // marker on two stones.
        for (int stone = board::startStone + 1; stone <= board::finishStone; ++stone)
            markerPicture(kind, stone)->hide();
    }
    markerPicture(kind, board::startStone)->setVisible(inPlay);
    optionButton(kind)->setEnabled(inPlay);
    markerPicture(kind, board::spinnerPicture)->setVisible(inPlay);
    menuItem(kind)->setEnabled(inPlay);
    flag(kind) = inPlay;
    nameStones();
}

void frmBrookhop::Form_Load()
{
    Randomize();
    finishPlace = 1;
    for (MarkerKind kind : allMarkers) {
        flag(kind) = true;
        position(kind) = 0;
        // The tool buttons keep their tool tips as written; a screen reader calls all three
        // alike, as the markers' pictures are called.
        QAction *button = tbrYourMoves()->button(QString::fromLatin1(names(kind).toolbarKey));
        if (QWidget *w = button ? tbrYourMoves()->widgetForAction(button) : nullptr)
            w->setAccessibleName(tr(names(kind).panelName));
    }
    nameStones();
}

void frmBrookhop::Form_Unload(std::int16_t &)
{
    ShowHome();
}
