// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDriver.h"
#include "board/frmBrookhop.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Application.h"
#include "ui/Drag.h"

#include <QMimeData>
#include <QTest>

using namespace boardtest;
using M = MarkerKind;
using ui::form;

class BoardDropsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void initTestCase_data() { addDisplayScaleRows(); }
    void init() { restartAtRowScale(fx); }
    void cleanupTestCase() { ui::useDisplayScale(1.0); }

    void aDropOnTheSpunStoneMovesTheMarkerAndTidiesThePanel()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 4 });
        clickOption(b, M::Plane);
        drag(b, M::Plane, 4);
        QCOMPARE(stonesOf(b, M::Plane), std::vector<int> { 4 });
        QVERIFY(b.moveDone);
        QVERIFY(!b.optPlane()->Value());
        QVERIFY(off(b.lblFour()));
        QVERIFY(fx.dialogs.shown.isEmpty());
    }

    void refusedDropsChangeNothing()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 3 });
        clickOption(b, M::Bicycle);
        auto setMsg = [&](const char *t) { b.sbrDisplayMessage()->setPanelText("msg", t); };
        setMsg("kept");
        drag(b, M::Bicycle, 0); // START refuses silently and keeps the status text
        QCOMPARE(statusText(b), QStringLiteral("kept"));
        drag(b, M::Bicycle, 4); // an ordinary stone only clears it
        QVERIFY(statusText(b).isEmpty());
        drag(b, M::Bicycle, 25);
        QCOMPARE(statusText(b), QStringLiteral("You must land on FINISH by exact count."));
        QCOMPARE(fx.dialogs.texts(), QStringList { "You must land on FINISH by exact count." });
        for (M k : allMarkers)
            QCOMPARE(stonesOf(b, k), std::vector<int> { 0 });
        QCOMPARE(b.bicyclePosition, std::int16_t(3));
        QVERIFY(!b.moveDone);
        QVERIFY(b.optBicycle()->Value());
        QVERIFY(lit(b.lblThree()));
        QVERIFY(b.imgBicycle(0)->isEnabled());
    }

    // Only the stone's own surface takes a drop: Qt would hand a drop that a marker picture
    // leaves unaccepted on to the stone underneath.
    void dropsOnAnythingButAStonesSurfaceDoNothing()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 2, 2 });
        clickOption(b, M::Cars);
        drag(b, M::Cars, 2);
        clickOption(b, M::Bicycle); // the bicycle's spin also names stone 2
        b.sbrDisplayMessage()->setPanelText("msg", "kept");
        const QPoint inside(3, 3);
        sendDrop(b.imgCars(2), inside, ui::dragPayload(b.imgBicycle(0)));
        sendDrop(b.lblStart(), inside, ui::dragPayload(b.imgBicycle(0)));
        sendDrop(b.lblFinish(), inside, ui::dragPayload(b.imgBicycle(0)));
        sendDrop(b.view()->client(), QPoint(2, 300), ui::dragPayload(b.imgBicycle(0)));
        auto *text = new QMimeData;
        text->setText(QStringLiteral("BICYCLE"));
        sendDrop(b.picBrookhop(2), b.picBrookhop(2)->rect().bottomRight() - QPoint(2, 2), text);
        QCOMPARE(statusText(b), QStringLiteral("kept"));
        QVERIFY(fx.dialogs.shown.isEmpty());
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 });
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 2 });
        // The same drop on the stone's own surface meets the cars there.
        drag(b, M::Bicycle, 2);
        QCOMPARE(fx.dialogs.texts().size(), 1);
    }

    // Another program, or a second running copy of this one, may offer a payload of the same
    // kind whose number happens to name a marker picture here: only this process's own drag
    // moves a marker.
    void aDragFromAnotherProgramMovesNothing()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 2 });
        clickOption(b, M::Cars);
        QWidget *stone = b.picBrookhop(2);
        const QPoint corner = stone->rect().bottomRight() - QPoint(2, 2);
        sendForeignDrop(stone, corner, ui::dragPayload(b.imgCars(0)));
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 0 });
        {
            // Nor does a payload naming one marker while this program drags another.
            const ui::DragInProgress dragging(b.imgBicycle(0));
            sendForeignDrop(stone, corner, ui::dragPayload(b.imgCars(0)));
        }
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 0 });
        QVERIFY(fx.dialogs.shown.isEmpty());
        sendDrop(stone, corner, ui::dragPayload(b.imgCars(0)));
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 2 });
    }

    // A finisher's picture is disabled, and Qt passes drops over disabled widgets to their
    // parents; it is still a picture inside the stone, not the stone's surface.
    void aDropOnAFinishersPictureDoesNothing()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 4, 4, 4, 4, 4, 4, 1 });
        for (int i = 0; i < 7; ++i) {
            clickOption(b, M::Plane);
            drag(b, M::Plane, b.planePosition);
        }
        QCOMPARE(stonesOf(b, M::Plane), std::vector<int> { 25 });
        QVERIFY(!ui::enabled(b.imgPlane(25)));
        fx.dialogs.clear();
        sendDrop(b.imgPlane(25), QPoint(3, 3), ui::dragPayload(b.imgCars(0)));
        QVERIFY(fx.dialogs.shown.isEmpty());
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 0 });
        QCOMPARE(b.finishPlace, std::int16_t(2));
        // On FINISH's own surface the same drop is accepted: the spin's result is still 25.
        drag(b, M::Cars, 25);
        QCOMPARE(fx.dialogs.texts(), QStringList { "You came in second place." });
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 25 });
    }

    void aTakenStoneSendsTheNewcomerBackToStart()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 4, 1, 4, 3, 1 });
        clickOption(b, M::Cars);
        drag(b, M::Cars, 4);
        clickOption(b, M::Cars);
        drag(b, M::Cars, 5);
        clickOption(b, M::Bicycle);
        drag(b, M::Bicycle, 4);
        clickOption(b, M::Plane);
        drag(b, M::Plane, 3);
        clickOption(b, M::Bicycle); // 4 + 1: the cars' stone 5
        QCOMPARE(b.bicyclePosition, std::int16_t(5));
        drag(b, M::Bicycle, 5);
        QCOMPARE(statusText(b), QStringLiteral("Two players can't be on the same stone.  Go back to START"));
        QCOMPARE(fx.dialogs.texts(), QStringList { "Two players can't be on the same stone.\r\nGo back to START!" });
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 });
        QCOMPARE(b.bicyclePosition, std::int16_t(0));
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 5 });
        QCOMPARE(b.carsPosition, std::int16_t(5));
        QVERIFY(off(b.lblOne()) && !b.optBicycle()->Value());
        // Dropped again on the plane's stone 3, the cars go back to START; the text ends in "!".
        b.newPosition = 3;
        drag(b, M::Cars, 3);
        QCOMPARE(statusText(b), QStringLiteral("Two players can't be on the same stone.  Go back to START!"));
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 0 });
        QCOMPARE(stonesOf(b, M::Plane), std::vector<int> { 3 });
    }

    // After a lost turn newPosition names the marker's own stone, where it meets itself.
    void aLostTurnDroppedOnItsOwnStoneGoesBackToStart()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 2, 0 });
        clickOption(b, M::Plane);
        drag(b, M::Plane, 2);
        clickOption(b, M::Plane);
        QCOMPARE(fx.dialogs.texts(), QStringList { "You lose a turn!" });
        drag(b, M::Plane, 2);
        QCOMPARE(stonesOf(b, M::Plane), std::vector<int> { 0 });
        QCOMPARE(b.planePosition, std::int16_t(0));
        QVERIFY(!b.optPlane()->Value());
    }

    // The program may end inside a drop's message box: the board is then left as it stood.
    void aDropStopsWhenTheProgramEndsInsideItsMessage()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 3, 3 });
        clickOption(b, M::Cars);
        drag(b, M::Cars, 3);
        clickOption(b, M::Bicycle);
        fx.dialogs.duringNextBox([] { ui::End(); });
        drag(b, M::Bicycle, 3);
        QCOMPARE(fx.endCount, 1);
        QCOMPARE(fx.dialogs.texts(), QStringList { "Two players can't be on the same stone.\r\nGo back to START!" });
        QCOMPARE(b.bicyclePosition, std::int16_t(3));
        QVERIFY(b.optBicycle()->Value());
        QVERIFY(lit(b.lblThree()));
    }

    void restartMidGameKeepsTheSpinItDidNotUndo()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 4, 3, 2, 4, 4, 4, 4, 4, 1 });
        for (M k : allMarkers) {
            clickOption(b, k);
            drag(b, k, b.position(k));
        }
        // Bicycle to FINISH: 4, then 4 + 4 + 4 + 4 + 4 + 1 in six moves.
        planSpins({ 4, 4, 4, 4, 4, 1 });
        for (int i = 0; i < 6; ++i) {
            clickOption(b, M::Bicycle);
            drag(b, M::Bicycle, b.bicyclePosition);
        }
        QCOMPARE(b.finishPlace, std::int16_t(2));
        QVERIFY(!b.bicycleFlag && !b.imgBicycle(25)->isEnabled());
        planSpins({ 2 });
        clickOption(b, M::Cars);
        b.sbrDisplayMessage()->setPanelText("msg", "kept");
        QTest::mouseClick(b.cmdRestart(), Qt::LeftButton);
        for (M k : allMarkers) {
            QCOMPARE(stonesOf(b, k), std::vector<int> { 0 });
            QVERIFY(b.flag(k) && ui::enabled(b.optionButton(k)) && b.menuItem(k)->isEnabled());
            QVERIFY(ui::enabled(b.markerPicture(k, 25)) && ui::visible(b.markerPicture(k, 26)));
            QCOMPARE(b.position(k), std::int16_t(0));
        }
        QCOMPARE(b.finishPlace, std::int16_t(1));
        QVERIFY(b.mnuPlayerOptions()->isEnabled());
        QCOMPARE(b.newPosition, std::int16_t(5));
        QCOMPARE(b.spinValue, std::int16_t(2));
        QVERIFY(!b.moveDone);
        QVERIFY(b.optCars()->Value());
        QVERIFY(lit(b.lblTwo()));
        QCOMPARE(statusText(b), QStringLiteral("kept"));
        // Until the next spin, a drop on stone 5 is still accepted; it turns the label off.
        drag(b, M::Plane, 5);
        QCOMPARE(stonesOf(b, M::Plane), std::vector<int> { 5 });
        QVERIFY(off(b.lblTwo()) && !b.optCars()->Value());
    }
};

PLAYHAVEN_TEST(BoardDropsTest)
#include "tst_board_drops.moc"
