// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDriver.h"
#include "board/frmBrookhop.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Announce.h"
#include "ui/Application.h"
#include "ui/PickAndPlace.h"

#include <QTest>

using namespace boardtest;
using M = MarkerKind;
using ui::form;

namespace {

bool cursorIsMarker(frmBrookhop &b)
{
    return b.view()->cursor().shape() == Qt::BitmapCursor;
}

// Presses Tab until `target` has the focus; the names passed on the way, target included.
QStringList tabTo(QWidget *target, int limit = 60)
{
    QStringList passed;
    QWidget *window = target->window();
    for (int i = 0; i < limit && window->focusWidget() != target; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        passed << window->focusWidget()->objectName();
    }
    return passed;
}

} // namespace

// Moving a marker by clicks or keys instead of a drag: the same drop handler and rules decide.
class BoardPickAndPlaceTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void initTestCase_data() { addDisplayScaleRows(); }
    void init() { restartAtRowScale(fx); }
    void cleanupTestCase() { ui::useDisplayScale(1.0); }

    void aClickPicksTheMarkerUpAndAClickOnTheSpunStonePutsItDown()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 3 });
        clickOption(b, M::Bicycle);
        clickMarker(b, M::Bicycle);
        QCOMPARE(ui::pick::carried(), b.imgBicycle(0));
        QVERIFY(cursorIsMarker(b));
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 }); // picked up, not yet moved
        clickStone(b, 3);
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 3 });
        QVERIFY(b.moveDone);
        QVERIFY(!b.optBicycle()->Value());
        QVERIFY(off(b.lblThree()));
        QVERIFY(!ui::pick::carried());
        QVERIFY(!cursorIsMarker(b));
    }

    void aRefusedPutDownLeavesTheMarkerWhereItWas()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 3 });
        clickOption(b, M::Cars);
        b.sbrDisplayMessage()->setPanelText("msg", "kept");
        clickMarker(b, M::Cars);
        clickStone(b, 4);
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 0 });
        QCOMPARE(statusText(b), QString());
        QVERIFY(!b.moveDone);
        QVERIFY(!ui::pick::carried());

        clickMarker(b, M::Cars);
        clickStone(b, 25);
        QCOMPARE(fx.dialogs.texts(), QStringList { "You must land on FINISH by exact count." });
        QCOMPARE(statusText(b), QString("You must land on FINISH by exact count."));
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 0 });
    }

    void aPutDownOnAnOccupiedStoneSendsTheNewcomerBack()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 3, 3 });
        clickOption(b, M::Cars);
        clickMarker(b, M::Cars);
        clickStone(b, 3);
        clickOption(b, M::Bicycle);
        clickMarker(b, M::Bicycle);
        clickStone(b, 3);
        QCOMPARE(fx.dialogs.texts(), QStringList { "Two players can't be on the same stone.\r\nGo back to START!" });
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 });
        QCOMPARE(b.bicyclePosition, std::int16_t(0));
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 3 });
    }

    void aMarkerPutDownOnFinishLeavesPlayAndCannotBePickedUp()
    {
        frmBrookhop &b = openBoard();
        const std::vector<int> spins { 4, 4, 4, 4, 4, 4, 1 };
        planSpins(spins);
        for (std::size_t i = 0; i < spins.size(); ++i) {
            clickOption(b, M::Plane);
            clickMarker(b, M::Plane);
            clickStone(b, b.newPosition);
        }
        QCOMPARE(stonesOf(b, M::Plane), std::vector<int> { 25 });
        QCOMPARE(fx.dialogs.texts(), QStringList { "Congratulations!  You win!!\r\nYou came in first place." });
        QVERIFY(!b.planeFlag);
        QVERIFY(!ui::enabled(b.imgPlane(25)));
        QTest::mouseClick(b.imgPlane(25), Qt::LeftButton);
        QVERIFY(!ui::pick::carried());
    }

    void escPutsThePickedUpMarkerBack()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 2 });
        clickOption(b, M::Bicycle);
        clickMarker(b, M::Bicycle);
        QTest::keyClick(b.imgBicycle(0), Qt::Key_Escape);
        QVERIFY(!ui::pick::carried());
        QVERIFY(!cursorIsMarker(b));
        clickStone(b, 2); // nothing is carried: a plain click on the stone
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 });
        QVERIFY(!b.moveDone);
        QVERIFY(b.optBicycle()->Value());
    }

    // The keyboard alone: the option buttons are one Tab stop, the arrow keys move between them
    // and Space spins; Tab reaches the marker, Space picks it up, Tab goes along the path and
    // Enter puts it down.
    void aKeyboardPlayerSpinsAndMovesWithTabSpaceAndEnter()
    {
        frmBrookhop &b = openBoard();
        ProgramFixture::settle();
        QWidget *v = b.view();
        QCOMPARE(v->focusWidget(), b.optBicycle());
        QCOMPARE(tabTo(b.imgBicycle(0)), QStringList({ "picBrookhop(0)", "imgBicycle(0)" }));
        QTest::keyClick(v->focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(v->focusWidget(), Qt::Key_Backtab);
        QCOMPARE(v->focusWidget(), b.optBicycle());
        QTest::keyClick(b.optBicycle(), Qt::Key_Right);
        QCOMPARE(v->focusWidget(), b.optCars());
        QVERIFY(!b.optCars()->Value()); // moving the focus spins nothing

        // Each step is said to a screen reader: the spin with its stone, the pick-up, a refused
        // stone (the marker stays picked up), the move; then the next player's spin button has
        // the focus.
        planSpins({ 2 });
        QTest::keyClick(b.optCars(), Qt::Key_Space);
        QCOMPARE(b.carsPosition, std::int16_t(2));
        QCOMPARE(ui::lastAnnouncement(), QString("Cars: 2. Move to stone 2."));
        QCOMPARE(b.fraSpinner()->accessibleName(), QString("Spinner: 2"));
        tabTo(b.imgCars(0));
        QTest::keyClick(b.imgCars(0), Qt::Key_Space);
        QCOMPARE(ui::pick::carried(), b.imgCars(0));
        QCOMPARE(ui::lastAnnouncement(), QString("Cars marker on stone 0, picked up"));
        QCOMPARE(tabTo(b.picBrookhop(1)), QStringList({ "imgPlane(0)", "picBrookhop(1)" }));
        QTest::keyClick(b.picBrookhop(1), Qt::Key_Space);
        QCOMPARE(ui::pick::carried(), b.imgCars(0));
        QCOMPARE(ui::lastAnnouncement(), QString("Not that stone. Move to stone 2."));
        QCOMPARE(tabTo(b.picBrookhop(2)), QStringList({ "picBrookhop(2)" }));
        QTest::keyClick(b.picBrookhop(2), Qt::Key_Return);
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 2 });
        QVERIFY(!b.optCars()->Value());
        QCOMPARE(ui::lastAnnouncement(), QString("Cars marker on stone 2"));
        QCOMPARE(b.picBrookhop(2)->accessibleName(), QString("Stone 2, Cars"));
        QCOMPARE(b.picBrookhop(0)->accessibleName(), QString("Stone 0, START, Bicycle, Plane"));
        QCOMPARE(b.fraSpinner()->accessibleName(), QString("Spinner"));
        QCOMPARE(v->focusWidget(), b.optPlane());

        // Past the last stone come End and Restart.
        const QStringList rest = tabTo(b.cmdRestart());
        QCOMPARE(rest.mid(rest.size() - 3), QStringList({ "picBrookhop(25)", "cmdEnd", "cmdRestart" }));
        QVERIFY(rest.contains("imgCars(2)"));
    }

    void f11TogglesFullScreen()
    {
        frmBrookhop &b = openBoard();
        QTest::keyClick(b.cmdEnd(), Qt::Key_F11);
        QVERIFY(b.view()->isFullScreen());
        QTest::keyClick(b.cmdEnd(), Qt::Key_F11);
        QVERIFY(!b.view()->isFullScreen());
        QVERIFY(b.view()->isMaximized());
    }
};

PLAYHAVEN_TEST(BoardPickAndPlaceTest)
#include "tst_board_pick_and_place.moc"
