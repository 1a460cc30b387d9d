// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDriver.h"
#include "support/ProgramFixture.h"
#include "ui/Application.h"
#include "ui/Drag.h"

#include "board/BoardLayout.h"
#include "board/frmBrookhop.h"
#include "board/frmPlayerOptions.h"
#include "ui/Random.h"

#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace boardtest {

void addDisplayScaleRows()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 1.5") << 1.5;
    QTest::newRow("scale 1.75") << 1.75; // a 1920 x 1080 screen
}

void restartAtRowScale(ProgramFixture &fx)
{
    fx.restart();
    QFETCH_GLOBAL(double, scale);
    ui::useDisplayScale(scale);
}

frmBrookhop &openBoard()
{
    frmBrookhop &b = ui::form<frmBrookhop>();
    b.show();
    return b;
}

QString statusText(frmBrookhop &board)
{
    return board.sbrDisplayMessage()->panelText(QStringLiteral("msg"));
}

bool lit(ui::Label *label)
{
    return ui::enabled(label) && ui::foreColor(label) == ui::rgb(255, 0, 0);
}

bool off(ui::Label *label)
{
    return !ui::enabled(label) && ui::foreColor(label) == 0;
}

void planSpins(const std::vector<int> &values)
{
    std::vector<float> r;
    for (int v : values)
        r.push_back(float((v + 2.5) / 7.0));
    ui::setRandomSequence(r);
}

// A point of the stone's own surface, away from the marker pictures inside it.
static QPoint freeCorner(QWidget *stone)
{
    const QPoint corner = stone->rect().bottomRight() - QPoint(2, 2);
    if (stone->childAt(corner))
        qFatal("the corner of stone %s is covered", qPrintable(stone->objectName()));
    return corner;
}

void dropOnStone(frmBrookhop &board, ui::ControlBase *source, int stone)
{
    QWidget *s = board.picBrookhop(stone);
    sendDrop(s, freeCorner(s), ui::dragPayload(source));
}

void clickMarker(frmBrookhop &board, MarkerKind kind)
{
    const int from = stoneOf(board, kind);
    if (from < 0)
        qFatal("the marker stands on no single stone");
    QTest::mouseClick(board.markerPicture(kind, from), Qt::LeftButton);
}

void clickStone(frmBrookhop &board, int stone)
{
    QWidget *s = board.picBrookhop(stone);
    QTest::mouseClick(s, Qt::LeftButton, {}, freeCorner(s));
}

std::vector<int> stonesOf(frmBrookhop &board, MarkerKind kind)
{
    std::vector<int> stones;
    for (int i = 0; i < board::stoneCount; ++i) {
        if (ui::visible(board.markerPicture(kind, i)))
            stones.push_back(i);
    }
    return stones;
}

int stoneOf(frmBrookhop &board, MarkerKind kind)
{
    const auto stones = stonesOf(board, kind);
    return stones.size() == 1 ? stones.front() : -1;
}

void drag(frmBrookhop &board, MarkerKind kind, int stone)
{
    const int from = stoneOf(board, kind);
    if (from < 0)
        qFatal("the marker stands on no single stone");
    dropOnStone(board, board.markerPicture(kind, from), stone);
}

void clickOption(frmBrookhop &board, MarkerKind kind)
{
    QTest::mouseClick(board.optionButton(kind), Qt::LeftButton);
}

void clickToolbar(frmBrookhop &board, const QString &key)
{
    QWidget *button = board.tbrYourMoves()->widgetForAction(board.tbrYourMoves()->button(key));
    QTest::mouseClick(button, Qt::LeftButton);
}

void choosePlayers(frmBrookhop &board, int players, const std::function<void(frmPlayerOptions &)> &whileOpen)
{
    QTimer::singleShot(0, [&] {
        auto &dialog = ui::form<frmPlayerOptions>();
        if (!dialog.isVisible())
            qFatal("the player-options dialog is not open");
        whileOpen(dialog);
        dialog.view()->close();
    });
    QAction *items[] = { board.mnuOnePlayer(), board.mnuTwoPlayers(), board.mnuThreePlayers() };
    items[players - 1]->trigger();
}

void tick(frmPlayerOptions &dialog, MarkerKind kind)
{
    QTest::mouseClick(dialog.checkBox(kind), Qt::LeftButton);
}

} // namespace boardtest
