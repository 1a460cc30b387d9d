// SPDX-License-Identifier: GPL-3.0-or-later
// The board window's drop of a marker on a stone, carried out as the drop rule decides.
#include "board/DropRule.h"
#include "board/frmBrookhop.h"
#include "ui/Dialogs.h"

using namespace ui;

bool frmBrookhop::stoneHoldsMarker(int stone)
{
    for (MarkerKind kind : allMarkers) {
        if (visible(markerPicture(kind, stone)))
            return true;
    }
    return false;
}

void frmBrookhop::moveMarker(MarkerKind kind, ControlBase *source, int stone)
{
    source->widget()->hide();
    markerPicture(kind, stone)->show();
}

void frmBrookhop::sendBackToStart(MarkerKind kind, ControlBase *source, int stone)
{
    setMessage(tr(board::sameStonePanelText(stone)));
    MsgBox(tr(board::sameStoneMessage));
    if (!stillLoaded())
        return;
    moveMarker(kind, source, board::startStone);
    position(kind) = 0;
}

void frmBrookhop::finishMarker(MarkerKind kind, ControlBase *source)
{
    moveMarker(kind, source, board::finishStone);
    // A finisher leaves play: it can no longer be dragged or spun.
    markerPicture(kind, board::finishStone)->setEnabled(false);
    optionButton(kind)->setEnabled(false);
    menuItem(kind)->setEnabled(false);
    flag(kind) = false;
    const board::FinishPlace place = board::finishPlaceFor(finishPlace);
    MsgBox(tr(place.message));
    finishPlace = place.nextPlace;
}

void frmBrookhop::picBrookhop_DragDrop(std::int16_t Index, ControlBase *Source, double, double)
{
    // Only the board's marker pictures carry a marker's drag tag; nothing else is moved.
    const auto kind = Source ? markerOfTag(Source->Tag().toStdString()) : std::nullopt;
    if (!kind)
        return;
    const board::DropDecision decision = board::decideDrop(Index, newPosition, stoneHoldsMarker(Index));
    if (decision.clearsStatus)
        setMessage(QString());
    switch (decision.action) {
    case board::DropAction::Nothing:
        break;
    case board::DropAction::MoveHere:
        moveMarker(*kind, Source, Index);
        break;
    case board::DropAction::BackToStart:
        sendBackToStart(*kind, Source, Index);
        break;
    case board::DropAction::ExactCountMessage: {
        const QString exact = tr(board::exactCountMessage);
        setMessage(exact);
        MsgBox(exact);
        break;
    }
    case board::DropAction::Finish:
        finishMarker(*kind, Source);
        break;
    }
    if (board::completesMove(decision.action))
        moveDone = true;
    if (stillLoaded())
        afterDrop();
}

// Ends every drop, accepted or not, once a move has been done since the latest spin.
void frmBrookhop::afterDrop()
{
    if (!moveDone)
        return;
    for (MarkerKind kind : allMarkers) {
        if (optionButton(kind)->Value()) {
            optionButton(kind)->setValue(false);
            break;
        }
    }
    Label *lit = spinnerLabel(spinValue);
    lit->setEnabled(false);
    setForeColor(lit, black);
}
