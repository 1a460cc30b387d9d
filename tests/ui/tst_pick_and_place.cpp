// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/PickAndPlace.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using ui::form;
using ui::pick::carried;

namespace {

QPoint freeSpot(QWidget *box)
{
    return box->rect().bottomRight() - QPoint(3, 3);
}

void sendMove(QWidget *w, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

bool markerCursor(ProbeForm &f)
{
    return f.view()->cursor().shape() == Qt::BitmapCursor;
}

} // namespace

// A picture in automatic drag mode can be moved by clicks or keys instead of a drag, and the
// picture box receives it through the same DragDrop event.
class PickAndPlaceTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    void aClickPicksUpAndAClickOnABoxDeliversItAsADrop()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QTest::mouseClick(f.imgMarker(0), Qt::LeftButton);
        QCOMPARE(carried(), f.imgMarker(0));
        QVERIFY(markerCursor(f));
        QTest::mouseClick(f.picStone(1), Qt::LeftButton, {}, freeSpot(f.picStone(1)));
        QCOMPARE(f.drops, (QList<std::pair<int, QString>> { { 1, "BICYCLE" } }));
        QVERIFY(!carried());
        QVERIFY(!markerCursor(f));
    }

    void withNothingPickedUpAClickOnABoxIsOnlyAClick()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QSignalSpy clicks(f.picStone(1), &ui::PictureBox::Click);
        QTest::mouseClick(f.picStone(1), Qt::LeftButton, {}, freeSpot(f.picStone(1)));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(f.drops.isEmpty());
    }

    // The press alone decides nothing: moving by the drag distance starts the drag, a release
    // before that picks the picture up.
    void aPressAndMoveStillDrags()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        ui::Image *m = f.imgMarker(0);
        const QPoint at(5, 5);
        QTest::mousePress(m, Qt::LeftButton, {}, at);
        // On a real display the drag runs until a key or button ends it; Esc cancels it there.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QTimer::singleShot(0, m, [m] { QTest::keyClick(m, Qt::Key_Escape); });
        sendMove(m, at + QPoint(QApplication::startDragDistance() + 1, 0));
        QTest::mouseRelease(m, Qt::LeftButton, {}, at + QPoint(QApplication::startDragDistance() + 1, 0));
        QVERIFY(!carried());

        QTest::mousePress(m, Qt::LeftButton, {}, at);
        sendMove(m, at + QPoint(1, 1));
        QTest::mouseRelease(m, Qt::LeftButton, {}, at + QPoint(1, 1));
        QCOMPARE(carried(), m);
    }

    void spaceEnterAndEscWorkTheSameWay()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        ui::Image *m = f.imgMarker(0);
        QCOMPARE(m->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(m, Qt::Key_Space);
        QCOMPARE(carried(), m);
        QTest::keyClick(m, Qt::Key_Space); // a second press puts it back
        QVERIFY(!carried());
        QTest::keyClick(m, Qt::Key_Space);
        QTest::keyClick(f.picStone(1), Qt::Key_Escape);
        QVERIFY(!carried());
        QCOMPARE(f.cancelClicks, 0); // Esc put the picture back and did nothing more
        QTest::keyClick(f.picStone(1), Qt::Key_Return);
        QCOMPARE(f.goClicks, 1); // nothing carried: Enter presses the default button
        QTest::keyClick(m, Qt::Key_Space);
        QTest::keyClick(f.picStone(1), Qt::Key_Return);
        QCOMPARE(f.drops, (QList<std::pair<int, QString>> { { 1, "BICYCLE" } }));
        QCOMPARE(f.goClicks, 1);
    }

    void aPictureThatIsHiddenOrDisabledIsPutBack()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        ui::Image *m = f.imgMarker(0);
        QTest::mouseClick(m, Qt::LeftButton);
        m->hide();
        QVERIFY(!carried());
        QVERIFY(!markerCursor(f));
        m->show();
        QTest::mouseClick(m, Qt::LeftButton);
        m->setEnabled(false);
        QVERIFY(!carried());
        QTest::mouseClick(f.picStone(1), Qt::LeftButton, {}, freeSpot(f.picStone(1)));
        QVERIFY(f.drops.isEmpty());
    }

    void aPickedUpPictureDoesNotOutliveItsWindow()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QTest::mouseClick(f.imgMarker(0), Qt::LeftButton);
        f.unload();
        ProgramFixture::settle();
        QVERIFY(!carried());
    }
};

PLAYHAVEN_TEST(PickAndPlaceTest)
#include "tst_pick_and_place.moc"
