// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/CursorBlink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStyleHints>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

int paintsDuring(QWidget *w, int ms)
{
    PaintCounter counter(w);
    QTest::qWait(ms);
    return counter.paints;
}

// Dark pixels inside an empty text box: the text cursor.
int cursorInk(QWidget *w)
{
    const QImage image = w->grab().toImage();
    int ink = 0;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            ink += image.pixelColor(x, y).lightness() < 100;
    return ink;
}

} // namespace

// A text box left alone stops blinking after a while and blinks again at the next key.
class CursorBlinkTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;
    ui::CursorBlinkRest *rest = nullptr;

private slots:
    void initTestCase()
    {
        rest = qApp->findChild<ui::CursorBlinkRest *>();
        QVERIFY(rest); // the program sets it up with the application
    }
    void init()
    {
        fx.restart();
        rest->setRestAfter(300ms);
    }
    void cleanupTestCase() { rest->setRestAfter(ui::CursorBlinkRest::defaultRestAfter); }

    void theCursorRestsShownAndWakesAtAKey()
    {
        ProbeForm &f = ui::form<ProbeForm>();
        f.show();
        ui::TextBox *box = f.txtName();
        QTRY_VERIFY(box->hasFocus());
        const int desktopFlash = QGuiApplication::styleHints()->cursorFlashTime();

        // Resting: nothing repaints, and the cursor stays where the eye can find it.
        QTRY_VERIFY_WITH_TIMEOUT(rest->resting(), 2000);
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
        QCOMPARE(paintsDuring(box, 1200), 0);
        QVERIFY(cursorInk(box) > 0);

        // A key: the desktop's blinking is back at once.
        QTest::keyClick(box, Qt::Key_A);
        QVERIFY(!rest->resting());
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), desktopFlash);
        if (desktopFlash >= 2) {
            rest->setRestAfter(5s);
            QVERIFY(paintsDuring(box, 1200) >= 2);
            rest->setRestAfter(300ms);
        }
        QTRY_VERIFY_WITH_TIMEOUT(rest->resting(), 2000);

        // A click or a change of focus wakes it too.
        QTest::mouseClick(f.cmdCancel(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!rest->resting());
        QTRY_VERIFY_WITH_TIMEOUT(rest->resting(), 2000);
        box->setFocus();
        QVERIFY(!rest->resting());
    }
};

PLAYHAVEN_TEST(CursorBlinkTest)
#include "tst_cursor_blink.moc"
