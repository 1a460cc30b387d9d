// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDriver.h"
#include "board/BoardLayout.h"
#include "board/frmBrookhop.h"
#include "help/frmHelpBrookhop.h"
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

class BoardWindowTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

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
        for (int v = -2; v <= 4; ++v) {
            QVERIFY(!ui::enabled(b.spinnerLabel(std::int16_t(v))));
            QCOMPARE(b.spinnerLabel(std::int16_t(v))->Caption(), QString::number(v));
        }
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
        QVERIFY(statusText(b).isEmpty());
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
        QVERIFY(statusText(b).isEmpty());
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
        QCOMPARE(statusText(b), QStringLiteral("You lose a turn!"));
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

    // From the keyboard, Space on the still-selected button after a lost turn spins again; not
    // while a spun value waits for its move, and a click on it still does nothing.
    void spaceOnTheSelectedButtonSpinsAgainAfterALostTurn()
    {
        frmBrookhop &b = openBoard();
        planSpins({ 0, 2, 3 });
        b.optBicycle()->setFocus();
        QTest::keyClick(b.optBicycle(), Qt::Key_Space);
        QCOMPARE(fx.dialogs.texts(), QStringList { "You lose a turn!" });
        QVERIFY(b.optBicycle()->Value());
        QTest::keyClick(b.optBicycle(), Qt::Key_Space);
        QCOMPARE(b.bicyclePosition, std::int16_t(2));
        QVERIFY(ui::enabled(b.lblTwo()));
        QTest::keyClick(b.optBicycle(), Qt::Key_Space);
        QCOMPARE(b.bicyclePosition, std::int16_t(2));
        QCOMPARE(b.spinValue, std::int16_t(2));
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

    // The board goes home as it unloads, whichever way it is closed; End goes home once more
    // when the board is gone.
    void endAndTheCloseBoxGoHome()
    {
        frmBrookhop &b = openBoard();
        QCOMPARE(fx.homeCount, 0);
        QTest::mouseClick(b.cmdEnd(), Qt::LeftButton);
        ProgramFixture::settle();
        QVERIFY(!b.isLoaded());
        QCOMPARE(fx.homeCount, 2);
        b.show();
        QCOMPARE(fx.homeCount, 2);
        b.view()->close();
        QVERIFY(!b.isLoaded());
        QCOMPARE(fx.homeCount, 3);
    }

    // Home is shown while the board is still loaded, so the launcher comes up before the board
    // goes away.
    void homeIsShownWhileTheBoardUnloads()
    {
        frmBrookhop &b = openBoard();
        QList<bool> boardLoaded;
        ui::setHome([&] { boardLoaded << b.isLoaded(); });
        b.view()->close();
        QCOMPARE(boardLoaded, QList<bool> { true });
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
