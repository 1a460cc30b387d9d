#include "BoardDriver.h"
#include "board/BoardLayout.h"
#include "board/frmBrookhop.h"
#include "help/frmHelpBrookhop.h"
#include "shell/frmSkydash.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

using namespace boardtest;
using M = MarkerKind;
using ui::form;

namespace {

const QString red = QStringLiteral("red");

bool lit(ui::Label *l)
{
    return ui::enabled(l) && ui::foreColor(l) == ui::rgb(255, 0, 0);
}

bool off(ui::Label *l)
{
    return !ui::enabled(l) && ui::foreColor(l) == 0;
}

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    frmBrookhop &openBoard()
    {
        frmBrookhop &b = form<frmBrookhop>();
        b.show();
        return b;
    }
    QString msg(frmBrookhop &b) { return b.sbrDisplayMessage()->panelText(QStringLiteral("msg")); }

private slots:
    void init() { fx.restart(); }

    void opensWithEveryMarkerOnStartAndTheDesignState()
    {
        frmBrookhop &b = openBoard();
        QCOMPARE(b.Caption(), QStringLiteral("Brookhop"));
        QCOMPARE(b.BackColor(), ui::rgb(0, 0, 255));
        QVERIFY(b.view()->windowState() & Qt::WindowMaximized);
        QCOMPARE(b.finishPlace, std::int16_t(1));
        for (M k : allMarkers) {
            QVERIFY(b.flag(k));
            QCOMPARE(b.position(k), std::int16_t(0));
            QCOMPARE(stonesOf(b, k), std::vector<int> { 0 });
            QVERIFY(ui::visible(b.markerPicture(k, 26)));
            QVERIFY(!b.markerPicture(k, 26)->AutomaticDrag());
            QVERIFY(b.markerPicture(k, 26)->Tag().isEmpty());
            QCOMPARE(b.markerPicture(k, 7)->Tag(), QString::fromLatin1(names(k).dragTag));
            QVERIFY(b.markerPicture(k, 7)->AutomaticDrag() && !b.markerPicture(k, 7)->DragIcon().isNull());
            QVERIFY(ui::enabled(b.optionButton(k)) && !b.optionButton(k)->Value());
            QVERIFY(b.optionButton(k)->text().isEmpty());
            QVERIFY(b.menuItem(k)->isEnabled());
            QCOMPARE(b.tbrYourMoves()->button(names(k).toolbarKey)->toolTip(), QString::fromLatin1(names(k).toolTip));
        }
        QCOMPARE(b.tbrYourMoves()->keys(), (QStringList { "bicycle", "cars", "plane" }));
        for (int v = -2; v <= 4; ++v)
            QVERIFY(!ui::enabled(b.spinnerLabel(std::int16_t(v))));
        QCOMPARE(b.picBrookhop(9)->Left(), 9480.0);
        QCOMPARE(b.picBrookhop(9)->Top(), 5400.0);
        QCOMPARE(b.picBrookhop(25)->Width(), 1935.0);
        QCOMPARE(ui::backColor(b.picBrookhop(4)), ui::rgb(0, 255, 255));
        QCOMPARE(b.linPath(0)->X1(), 2040.0);
        QCOMPARE(b.linPath(24)->X2(), 5520.0);
        QCOMPARE(b.imgBicycle(26)->Width(), 495.0);
        QCOMPARE(b.imgPlane(26)->Left(), 1560.0);
        QCOMPARE(b.lblStart()->Caption(), QStringLiteral("START"));
        QCOMPARE(b.lblFinish()->Caption(), QStringLiteral("Finish"));
        QCOMPARE(b.sbrDisplayMessage()->panelCount(), 3);
        QVERIFY(msg(b).isEmpty());
        QVERIFY(!b.sbrDisplayMessage()->panel(1)->text().isEmpty()); // the time
        QVERIFY(!b.mnuStartHelp()->isVisible());
        QVERIFY(b.mnuPlayerOptions()->isEnabled());
    }

    // A spin from the option button lights its value and advances the position at once.
    void aClickOnAnOptionButtonSpins()
    {
        frmBrookhop &b = openBoard();
        b.sbrDisplayMessage()->setPanelText(QStringLiteral("msg"), QStringLiteral("old"));
        planSpins({ -2, -1, 3, 2 });
        clickOption(b, M::Cars);
        QCOMPARE(b.spinValue, std::int16_t(3));
        QCOMPARE(b.newPosition, std::int16_t(3));
        QCOMPARE(b.carsPosition, std::int16_t(3));
        QVERIFY(lit(b.lblThree()));
        QVERIFY(msg(b).isEmpty());
        QVERIFY(!b.mnuPlayerOptions()->isEnabled());
        QVERIFY(!b.moveDone);
        QCOMPARE(stoneOf(b, M::Cars), 0); // the picture waits for the drag
        // Clicking the selected button again does not spin.
        clickOption(b, M::Cars);
        QCOMPARE(b.carsPosition, std::int16_t(3));
        QVERIFY(b.optCars()->Value());
        QVERIFY(fx.dialogs.shown.isEmpty());
    }

    void aZeroLosesTheTurnAndTheMarkerPictureUnselects()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 0, 2 });
        clickOption(b, M::Bicycle);
        QCOMPARE(fx.dialogs.texts(), QStringList { "You lose a turn!" });
        QCOMPARE(fx.dialogs.shown[0].icon, ui::MsgIcon::None);
        QVERIFY(fx.dialogs.shown[0].title.isEmpty());
        QCOMPARE(msg(b), QStringLiteral("You lose a turn!"));
        QCOMPARE(b.spinValue, std::int16_t(0));
        QCOMPARE(b.newPosition, std::int16_t(0));
        QCOMPARE(b.bicyclePosition, std::int16_t(0));
        QVERIFY(!ui::enabled(b.lblZero()));
        QVERIFY(b.optBicycle()->Value());
        // A click on the picture under the button unselects it without a spin.
        QTest::mouseClick(b.imgBicycle(26), Qt::LeftButton);
        QVERIFY(!b.optBicycle()->Value());
        QCOMPARE(b.bicyclePosition, std::int16_t(0));
        clickOption(b, M::Bicycle);
        QCOMPARE(b.bicyclePosition, std::int16_t(2));
    }

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
        QCOMPARE(msg(b), QStringLiteral("kept"));
        drag(b, M::Bicycle, 4); // an ordinary stone only clears it
        QVERIFY(msg(b).isEmpty());
        drag(b, M::Bicycle, 25);
        QCOMPARE(msg(b), QStringLiteral("You must land on FINISH by exact count."));
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
        QCOMPARE(msg(b), QStringLiteral("kept"));
        QVERIFY(fx.dialogs.shown.isEmpty());
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 });
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 2 });
        // The same drop on the stone's own surface meets the cars there.
        drag(b, M::Bicycle, 2);
        QCOMPARE(fx.dialogs.texts().size(), 1);
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
        QCOMPARE(msg(b), QStringLiteral("Two players can't be on the same stone.  Go back to START"));
        QCOMPARE(fx.dialogs.texts(), QStringList { "Two players can't be on the same stone.\r\nGo back to START!" });
        QCOMPARE(stonesOf(b, M::Bicycle), std::vector<int> { 0 });
        QCOMPARE(b.bicyclePosition, std::int16_t(0));
        QCOMPARE(stonesOf(b, M::Cars), std::vector<int> { 5 });
        QCOMPARE(b.carsPosition, std::int16_t(5));
        QVERIFY(off(b.lblOne()) && !b.optBicycle()->Value());
        // Dropped again on the plane's stone 3, the cars go back to START; the text ends in "!".
        b.newPosition = 3;
        drag(b, M::Cars, 3);
        QCOMPARE(msg(b), QStringLiteral("Two players can't be on the same stone.  Go back to START!"));
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

    void toolbarAndMenuSpinWithoutSelectingTheButton()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 0, 1, 2 });
        clickOption(b, M::Bicycle); // lost turn: the bicycle's button stays selected
        clickToolbar(b, QStringLiteral("cars"));
        QCOMPARE(b.carsPosition, std::int16_t(1));
        QVERIFY(b.optBicycle()->Value() && !b.optCars()->Value());
        drag(b, M::Cars, 1);
        QVERIFY(!b.optBicycle()->Value()); // the drop unselects whichever button is selected
        b.mnuPlane()->trigger();
        QCOMPARE(b.planePosition, std::int16_t(2));
        QVERIFY(!b.optPlane()->Value());
        // A marker out of play: its toolbar button stays enabled and does nothing.
        b.planeFlag = false;
        clickToolbar(b, QStringLiteral("plane"));
        QCOMPARE(b.planePosition, std::int16_t(2));
        b.tbrYourMoves_ButtonClick(QStringLiteral("Plane"));
        QCOMPARE(b.planePosition, std::int16_t(2));
        QVERIFY(b.tbrYourMoves()->button("plane")->isEnabled());
    }

    void everyReleaseOverStartPopsUpHowToStart()
    {
        frmBrookhop &b = openBoard();
        for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton }) {
            QTimer::singleShot(0, [] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("How to start?"));
                QTest::mouseClick(menu, Qt::RightButton, {}, menu->actionGeometry(menu->actions().at(0)).center());
            });
            QTest::mouseClick(b.lblStart(), button);
        }
        QCOMPARE(fx.dialogs.texts(), (QStringList(2, "You must click on an option button to start the game!!")));
        QCOMPARE(fx.dialogs.shown[0].icon, ui::MsgIcon::Information);
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
        QCOMPARE(msg(b), QStringLiteral("kept"));
        // Until the next spin, a drop on stone 5 is still accepted; it turns the label off.
        drag(b, M::Plane, 5);
        QCOMPARE(stonesOf(b, M::Plane), std::vector<int> { 5 });
        QVERIFY(off(b.lblTwo()) && !b.optCars()->Value());
    }

    void endAndTheCloseBoxReturnToTheLauncher()
    {
        frmBrookhop &b = openBoard();
        QTest::mouseClick(b.cmdEnd(), Qt::LeftButton);
        ProgramFixture::settle();
        QVERIFY(!b.isLoaded());
        QVERIFY(form<frmSkydash>().isVisible());
        form<frmSkydash>().hide();
        b.show();
        b.view()->close();
        QVERIFY(!b.isLoaded());
        QVERIFY(form<frmSkydash>().isVisible());
    }

    void aReloadShowsEveryMarkerOnStartAndKeepsTheLastSpin()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 3, 1 });
        clickOption(b, M::Cars);
        drag(b, M::Cars, 3);
        clickToolbar(b, QStringLiteral("plane"));
        b.optionChoice = 2;
        b.carsFlag = false;
        b.finishPlace = 3;
        b.cmdEnd_Click();
        ProgramFixture::settle();
        b.show();
        for (M k : allMarkers) {
            QCOMPARE(stonesOf(b, k), std::vector<int> { 0 });
            QVERIFY(b.flag(k));
            QCOMPARE(b.position(k), std::int16_t(0));
        }
        QCOMPARE(b.finishPlace, std::int16_t(1));
        QCOMPARE(b.newPosition, std::int16_t(1));
        QCOMPARE(b.spinValue, std::int16_t(1));
        QCOMPARE(b.optionChoice, std::int16_t(2));
        QVERIFY(!b.moveDone);
        QVERIFY(!ui::enabled(b.lblOne()));
        QVERIFY(b.mnuPlayerOptions()->isEnabled());
        // The first spin of the reloaded board counts from START.
        planSpins({ 2 });
        clickOption(b, M::Cars);
        QCOMPARE(b.carsPosition, std::int16_t(2));
    }

    void contentsShowsTheHelpWindow()
    {
        frmBrookhop &b = openBoard();
        b.mnuContents()->trigger();
        QVERIFY(form<frmHelpBrookhop>().isVisible());
        QVERIFY(b.isVisible());
    }
};

PLAYHAVEN_TEST(BoardWindowTest)
#include "tst_board_window.moc"
