// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDriver.h"
#include "board/frmBrookhop.h"
#include "board/frmPlayerOptions.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QTest>

using namespace boardtest;
using M = MarkerKind;
using ui::form;

class PlayerOptionsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    static bool inPlay(frmBrookhop &b, M k)
    {
        const bool shown = ui::visible(b.markerPicture(k, 0)) && ui::visible(b.markerPicture(k, 26));
        const bool usable = ui::enabled(b.optionButton(k)) && b.menuItem(k)->isEnabled();
        if (shown != usable || shown != b.flag(k))
            qFatal("marker half in play");
        return shown;
    }
    static QList<bool> board(frmBrookhop &b)
    {
        return { inPlay(b, M::Bicycle), inPlay(b, M::Cars), inPlay(b, M::Plane) };
    }
    static QList<bool> boxesEnabled(frmPlayerOptions &d)
    {
        return { ui::enabled(d.chkBicycle()), ui::enabled(d.chkCars()), ui::enabled(d.chkPlane()) };
    }

private slots:
    void init() { fx.restart(); }

    void openingTakesEveryMarkerOutOfPlayAndShowsTheDirections()
    {
        frmBrookhop &b = openBoard();
        bool checked = false;
        choosePlayers(b, 1, [&](frmPlayerOptions &d) {
            QCOMPARE(d.Caption(), QStringLiteral("Player Options"));
            QCOMPARE(d.lblDirections()->Caption(), QStringLiteral("Select the ONE marker you would like to use."));
            QCOMPARE(d.chkCars()->text(), QStringLiteral("Cars"));
            QCOMPARE(board(b), (QList<bool> { false, false, false }));
            QCOMPARE(boxesEnabled(d), (QList<bool> { true, true, true }));
            QVERIFY(!d.chkBicycle()->Value() && !d.chkCars()->Value() && !d.chkPlane()->Value());
            checked = true;
        });
        QVERIFY(checked);
        QVERIFY(!form<frmPlayerOptions>().isLoaded());
        QCOMPARE(b.optionChoice, std::int16_t(1));
        QVERIFY(fx.dialogs.shown.isEmpty()); // one player, nothing ticked: no message
        QCOMPARE(board(b), (QList<bool> { false, false, false }));
        choosePlayers(b, 2, [](frmPlayerOptions &d) {
            QCOMPARE(d.lblDirections()->Caption(), QStringLiteral("Select the TWO markers you would like to use."));
        });
        choosePlayers(b, 3, [](frmPlayerOptions &d) {
            QCOMPARE(d.lblDirections()->Caption(), QStringLiteral("Select ALL three markers."));
        });
        QCOMPARE(
            fx.dialogs.texts(), (QStringList { "You must select two markers!", "You must select all three markers!" }));
    }

    void onePlayerTickDisablesTheOtherBoxes()
    {
        frmBrookhop &b = openBoard();
        choosePlayers(b, 1, [&](frmPlayerOptions &d) {
            tick(d, M::Cars);
            QCOMPARE(board(b), (QList<bool> { false, true, false }));
            QCOMPARE(boxesEnabled(d), (QList<bool> { false, true, false }));
            tick(d, M::Bicycle); // disabled: no effect
            QVERIFY(!d.chkBicycle()->Value());
        });
        QVERIFY(fx.dialogs.shown.isEmpty());
        QCOMPARE(board(b), (QList<bool> { false, true, false }));
        QCOMPARE(b.tbrYourMoves()->keys().size(), 3);
    }

    void twoPlayersSequences_data()
    {
        QTest::addColumn<QList<int>>("clicks"); // box clicks, ticking and unticking in turn
        QTest::addColumn<QList<bool>>("enabledAtClose");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QList<bool>>("boardAfter");
        QTest::newRow("bicycle, plane") << QList<int> { 0, 2 } << QList<bool> { true, false, true } << QString()
                                        << QList<bool> { true, false, true };
        // Unticking never takes a marker out of play again.
        QTest::newRow("bicycle on and off, cars, plane")
            << QList<int> { 0, 0, 1, 2 } << QList<bool> { false, true, true } << QString()
            << QList<bool> { true, true, true };
        QTest::newRow("bicycle, cars, cars off")
            << QList<int> { 0, 1, 1 } << QList<bool> { true, true, false }
            << QStringLiteral("You must select two markers!") << QList<bool> { false, false, false };
        QTest::newRow("plane only") << QList<int> { 2 } << QList<bool> { true, true, true }
                                    << QStringLiteral("You must select two markers!")
                                    << QList<bool> { false, false, false };
        QTest::newRow("cars off and on again, plane") << QList<int> { 1, 1, 1, 2 } << QList<bool> { false, true, true }
                                                      << QString() << QList<bool> { false, true, true };
    }
    void twoPlayersSequences()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<bool>, enabledAtClose);
        QFETCH(QString, warning);
        QFETCH(QList<bool>, boardAfter);
        frmBrookhop &b = openBoard();
        choosePlayers(b, 2, [&](frmPlayerOptions &d) {
            for (int c : clicks)
                tick(d, allMarkers[c]);
            QCOMPARE(boxesEnabled(d), enabledAtClose);
        });
        QCOMPARE(fx.dialogs.texts(), warning.isEmpty() ? QStringList() : QStringList { warning });
        if (!warning.isEmpty()) {
            QCOMPARE(fx.dialogs.shown[0].icon, ui::MsgIcon::Exclamation);
            QVERIFY(fx.dialogs.shown[0].title.isEmpty());
        }
        QCOMPARE(board(b), boardAfter);
    }

    void threePlayersNeedEveryBox()
    {
        frmBrookhop &b = openBoard();
        choosePlayers(b, 3, [&](frmPlayerOptions &d) {
            tick(d, M::Plane);
            tick(d, M::Bicycle);
            QCOMPARE(board(b), (QList<bool> { true, false, true }));
            QCOMPARE(boxesEnabled(d), (QList<bool> { true, true, true }));
        });
        QCOMPARE(fx.dialogs.texts(), QStringList { "You must select all three markers!" });
        QCOMPARE(board(b), (QList<bool> { false, false, false }));
        choosePlayers(b, 3, [&](frmPlayerOptions &d) {
            for (M k : allMarkers)
                tick(d, k);
        });
        QCOMPARE(fx.dialogs.shown.size(), 1);
        QCOMPARE(board(b), (QList<bool> { true, true, true }));
    }

    // A new opening starts from a board with no marker in play and fresh boxes, whatever the
    // last one chose; pictures on the other stones and the positions are left alone.
    void everyOpeningStartsAfresh()
    {
        frmBrookhop &b = openBoard();
        choosePlayers(b, 1, [](frmPlayerOptions &d) { tick(d, M::Plane); });
        planSpins({ 3 });
        clickOption(b, M::Plane);
        QVERIFY(!b.mnuPlayerOptions()->isEnabled());
        QTest::mouseClick(b.cmdRestart(), Qt::LeftButton);
        // newPosition still names stone 3: the cars may go there without a spin.
        drag(b, M::Cars, 3);
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 3 });
        choosePlayers(b, 1, [&](frmPlayerOptions &d) {
            QCOMPARE(boxesEnabled(d), (QList<bool> { true, true, true }));
            QCOMPARE(board(b), (QList<bool> { false, false, false }));
            tick(d, M::Bicycle);
        });
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 3 });
        QCOMPARE(board(b), (QList<bool> { true, false, false }));
        QCOMPARE(b.carsPosition, std::int16_t(0));
        QCOMPARE(b.optionChoice, std::int16_t(1));
    }

    // The program may end inside the closing warning: the board is then left as it stood.
    void theProgramEndingInsideTheWarningLeavesTheBoardAlone()
    {
        frmBrookhop &b = openBoard();
        fx.dialogs.duringNextBox([] { ui::End(); });
        choosePlayers(b, 2, [](frmPlayerOptions &d) { tick(d, M::Plane); });
        QCOMPARE(fx.endCount, 1);
        QCOMPARE(fx.dialogs.texts(), QStringList { "You must select two markers!" });
        QVERIFY(b.planeFlag);
        QVERIFY(!b.bicycleFlag && !b.carsFlag);
    }

    void aMarkerPutIntoPlayStandsOnStartAlone()
    {
        // After Restart the last spin's stone still takes a drop; a marker dropped there and then
        // ticked must not stand on two stones at once.
        frmBrookhop &b = openBoard();
        planSpins({ 3 });
        clickOption(b, M::Bicycle);
        QTest::mouseClick(b.cmdRestart(), Qt::LeftButton);
        drag(b, M::Bicycle, 3);
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 3 });
        choosePlayers(b, 2, [&](frmPlayerOptions &d) {
            tick(d, M::Bicycle);
            tick(d, M::Cars);
        });
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 });
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 0 });
        QCOMPARE(b.bicyclePosition, std::int16_t(0));
    }
};

PLAYHAVEN_TEST(PlayerOptionsTest)
#include "tst_player_options.moc"
