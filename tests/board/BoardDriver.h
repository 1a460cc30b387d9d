// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/MarkerKind.h"
#include "support/DropEvents.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class ProgramFixture;
class QMimeData;
class QWidget;
class frmBrookhop;
class frmPlayerOptions;
namespace ui {
class ControlBase;
class Label;
}

// Drives the board the way a player does: clicks on the real widgets and real drop events.
namespace boardtest {

// The cases of a test class at the design's own size, half as large again and at 1.75, where
// the same stones lie under other pixels: the rows of initTestCase_data, and the start of each
// case at its row's scale.
void addDisplayScaleRows();
void restartAtRowScale(ProgramFixture &fx);

// Loads and shows the board.
frmBrookhop &openBoard();
// The text of the status bar's message panel.
QString statusText(frmBrookhop &board);
// A spinner label lit by a spin (enabled, red text), or turned off after a drop (disabled, black).
bool lit(ui::Label *label);
bool off(ui::Label *label);

// Makes the next spins give these values (-2 to 4), in order.
void planSpins(const std::vector<int> &values);

// A drop of `source` on the stone's own surface, away from the marker pictures inside it.
void dropOnStone(frmBrookhop &board, ui::ControlBase *source, int stone);

// The stone the marker's visible picture stands on, or -1.
int stoneOf(frmBrookhop &board, MarkerKind kind);
std::vector<int> stonesOf(frmBrookhop &board, MarkerKind kind);
// Drags the marker from its stone to `stone`.
void drag(frmBrookhop &board, MarkerKind kind, int stone);

// Moves the marker without dragging: a click on its picture picks it up, a click on the
// stone's own surface puts it down.
void clickMarker(frmBrookhop &board, MarkerKind kind);
void clickStone(frmBrookhop &board, int stone);

void clickOption(frmBrookhop &board, MarkerKind kind);
void clickToolbar(frmBrookhop &board, const QString &key);

// Opens the player-options dialog from the board's menu for 1 to 3 players, runs `whileOpen`
// on the open dialog and closes it with its close box.
void choosePlayers(frmBrookhop &board, int players, const std::function<void(frmPlayerOptions &)> &whileOpen);
void tick(frmPlayerOptions &dialog, MarkerKind kind);

} // namespace boardtest
