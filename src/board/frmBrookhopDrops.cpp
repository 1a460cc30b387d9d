// SPDX-License-Identifier: GPL-3.0-or-later
// The board window's drop of a marker on a stone, carried out as the drop rule decides.
#include "board/DropRule.h"
#include "board/frmBrookhop.h"
#include "ui/Announce.h"
#include "ui/Dialogs.h"
#include "ui/PickAndPlace.h"

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
    nameStones();
}

void frmBrookhop::nameStones()
{
    for (int stone = 0; stone < board::stoneCount; ++stone) {
        QStringList on;
        for (MarkerKind kind : allMarkers) {
            if (visible(markerPicture(kind, stone)))
                on << markerText(names(kind).caption);
        }
        const QString stoneName = frmBrookhop::stoneName(stone);
        //: A stone as a screen reader names it: "Stone 7, empty".
        picBrookhop(stone)->setAccessibleName(
            on.isEmpty() ? tr("%1, empty").arg(stoneName) : tr("%1, %2").arg(stoneName, on.join(QStringLiteral(", "))));
    }
}

void frmBrookhop::nameSpinner()
{
    const bool lit = spinnerLabel(spinValue)->isEnabled();
    fraSpinner()->setAccessibleName(lit ? tr("Spinner: %1").arg(spinValue) : tr("Spinner"));
}

// The spin button of the next marker in play after this one, in the order of the buttons, gets
// the focus, and says what just happened as it does.
void frmBrookhop::focusNextSpin(MarkerKind moved, const QString &said)
{
    for (int step = 1; step <= 3; ++step) {
        const auto next = static_cast<MarkerKind>((indexOf(moved) + step) % 3);
        if (flag(next) && optionButton(next)->isEnabled()) {
            focusAndAnnounce(optionButton(next), said);
            return;
        }
    }
    if (!said.isEmpty())
        announce(said);
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
    const bool byKeyboard = pick::placingByKeyboard();
    QString said;
    const board::DropDecision decision = board::decideDrop(Index, newPosition, stoneHoldsMarker(Index));
    if (decision.clearsStatus)
        setMessage(QString());
    switch (decision.action) {
    case board::DropAction::Nothing:
        // From the keyboard the marker stays picked up, to be put on the right stone next.
        if (byKeyboard && !moveDone) {
            if (auto *picture = qobject_cast<Image *>(Source->widget()); picture && picture->pickUp())
                announce(tr("Not that stone. Move to stone %1.").arg(newPosition));
        }
        break;
    case board::DropAction::MoveHere:
        moveMarker(*kind, Source, Index);
        said = tr(names(*kind).onStoneName).arg(Index);
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
    if (!stillLoaded())
        return;
    afterDrop();
    if (byKeyboard && board::completesMove(decision.action))
        focusNextSpin(*kind, said);
    else if (!said.isEmpty())
        announce(said);
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
    nameSpinner();
}
