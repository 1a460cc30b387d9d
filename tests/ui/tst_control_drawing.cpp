// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Geometry.h"
#include "ui/KeyboardFocus.h"
#include "ui/PickAndPlace.h"

#include <QTest>

using ui::form;

namespace {

// Markers shown for their looks only: the window has nowhere to put one down.
class ShowcaseForm : public ui::Form {
    Q_OBJECT
public:
    ShowcaseForm()
        : Form(QStringLiteral("ShowcaseForm"))
    {
    }
    UI_CONTROL(fraLogo, frame().at(120, 120, 3000, 1500));
    UI_CONTROL(imgMarker,
        ui::Rows<ui::Image>({ image()
                                  .element(0)
                                  .in(fraLogo)
                                  .at(120, 240, 1095, 1095)
                                  .picture(":/icons/cars32.png")
                                  .stretch()
                                  .dragIcon(":/icons/cars32.png")
                                  .tag("CARS") }));

protected:
    ui::FormDesign formDesign() const override { return ui::FormDesign { QStringLiteral("showcase") }; }
};

const QColor white(255, 255, 255);
const QColor red(255, 0, 0);

// A line on a white surface, rendered as the screen shows it.
QImage renderLine(QPoint from, QPoint to)
{
    QWidget surface;
    surface.resize(120, 120);
    surface.setAutoFillBackground(true);
    QPalette p = surface.palette();
    p.setColor(QPalette::Window, white);
    surface.setPalette(p);
    auto *line = new ui::Line(&surface);
    line->setColor(ui::rgb(255, 0, 0));
    line->setEnds(
        ui::pixelsToTwips(from.x()), ui::pixelsToTwips(from.y()), ui::pixelsToTwips(to.x()), ui::pixelsToTwips(to.y()));
    return surface.grab().toImage();
}

// The points of the image, within `area`, whose colour is not `colour`.
QList<QPoint> pixelsOtherThan(const QImage &image, const QRect &area, const QColor &colour)
{
    QList<QPoint> other;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).rgb() != colour.rgb())
                other.append(QPoint(x, y));
    return other;
}

} // namespace

// How lines, coloured buttons and focus rectangles come out on the screen, pixel by pixel.
class ControlDrawingTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    // Upright lines cover whole pixels in their own colour, one pixel wide, from end to end.
    void straightLinesAreCrispAndInTheirColour()
    {
        const QImage across = renderLine(QPoint(10, 20), QPoint(100, 20));
        QCOMPARE(pixelsOtherThan(across, QRect(QPoint(10, 20), QPoint(100, 20)), red), QList<QPoint> {});
        QCOMPARE(pixelsOtherThan(across, QRect(QPoint(8, 19), QPoint(102, 19)), white), QList<QPoint> {});
        QCOMPARE(pixelsOtherThan(across, QRect(QPoint(8, 21), QPoint(102, 21)), white), QList<QPoint> {});
        QCOMPARE(across.pixelColor(9, 20), white);
        QCOMPARE(across.pixelColor(101, 20), white);

        // Drawn from its lower end up: the same pixels.
        const QImage down = renderLine(QPoint(40, 90), QPoint(40, 5));
        QCOMPARE(pixelsOtherThan(down, QRect(QPoint(40, 5), QPoint(40, 90)), red), QList<QPoint> {});
        QCOMPARE(pixelsOtherThan(down, QRect(QPoint(39, 3), QPoint(39, 92)), white), QList<QPoint> {});
        QCOMPARE(pixelsOtherThan(down, QRect(QPoint(41, 3), QPoint(41, 92)), white), QList<QPoint> {});
    }

    // A slanted line stays thin and keeps its colour along its middle.
    void slantedLinesStayThinAndRed()
    {
        const QImage slant = renderLine(QPoint(10, 10), QPoint(90, 90));
        for (int i = 20; i <= 80; i += 10) {
            const QColor on = slant.pixelColor(i, i);
            QCOMPARE(on.red(), 255);
            QVERIFY2(on.green() < 64 && on.blue() < 64, qPrintable(on.name()));
            QCOMPARE(slant.pixelColor(i + 2, i), white);
            QCOMPARE(slant.pixelColor(i, i + 2), white);
        }
    }

    // The face of a coloured button is its colour throughout, up or down, inside its bevel.
    void aColouredButtonShowsItsColourAsGiven()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        ui::Button *go = f.cmdGo(); // yellow, caption "Go" in the middle
        const QColor yellow(255, 255, 0);
        const auto face = [go] {
            const QImage image = go->grab().toImage();
            const int w = image.width(), h = image.height();
            QList<QPoint> off = pixelsOtherThan(image, QRect(2, 2, w - 4, 1), QColor(255, 255, 0));
            off += pixelsOtherThan(image, QRect(2, h - 3, w - 4, 1), QColor(255, 255, 0));
            off += pixelsOtherThan(image, QRect(4, 4, w / 4 - 4, h - 8), QColor(255, 255, 0)); // left of the caption
            return std::pair { image, off };
        };
        const auto [up, upOff] = face();
        QCOMPARE(upOff, QList<QPoint> {});
        QVERIFY(up.pixelColor(1, up.height() / 2) != yellow); // the bevel

        go->setDown(true);
        const auto [down, downOff] = face();
        QCOMPARE(downOff, QList<QPoint> {});
        QVERIFY(down.pixelColor(1, 5) != up.pixelColor(1, 5)); // the bevel sinks
        go->setDown(false);
    }

    // A click leaves no focus rectangle on a stone or a button; the keys bring it.
    void theFocusShowsOnlyOnceTheKeyboardIsUsed()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(f.view()));
        ui::PictureBox *stone = f.picStone(1);
        const QPoint spot = stone->rect().bottomRight() - QPoint(3, 3);
        const QImage plain = stone->grab().toImage();

        QTest::mouseClick(stone, Qt::LeftButton, {}, spot);
        QVERIFY(stone->hasFocus());
        QVERIFY(!ui::showsKeyboardFocus(stone));
        QCOMPARE(stone->grab().toImage(), plain);

        QTest::keyClick(stone, Qt::Key_Space);
        QVERIFY(ui::showsKeyboardFocus(stone));
        QVERIFY(stone->grab().toImage() != plain);

        QTest::mouseClick(stone, Qt::LeftButton, {}, spot);
        QCOMPARE(stone->grab().toImage(), plain);

        // Tab moves the focus on and shows it where it lands.
        QTest::keyClick(stone, Qt::Key_Tab);
        QWidget *next = f.view()->focusWidget();
        QVERIFY(next && next != stone);
        QVERIFY(ui::showsKeyboardFocus(next));
        QCOMPARE(stone->grab().toImage(), plain);

        // A coloured button, clicked, draws no rectangle either.
        ui::Button *go = f.cmdGo();
        go->setFocus(Qt::TabFocusReason);
        const QImage focused = go->grab().toImage();
        go->clearFocus();
        const QImage unfocused = go->grab().toImage();
        QVERIFY(focused != unfocused);
        QTest::mouseClick(go, Qt::LeftButton);
        QVERIFY(go->hasFocus());
        QCOMPARE(go->grab().toImage(), unfocused);
    }

    // Where no picture box could take a marker, a click or Space does not pick it up.
    void aMarkerWithNowhereToGoIsNotPickedUp()
    {
        ShowcaseForm &f = form<ShowcaseForm>();
        f.show();
        ui::Image *marker = f.imgMarker(0);
        QVERIFY(marker->AutomaticDrag());
        QTest::mouseClick(marker, Qt::LeftButton);
        QVERIFY(!ui::pick::carried());
        QCOMPARE(f.view()->cursor().shape(), Qt::ArrowCursor);
        QTest::keyClick(marker, Qt::Key_Space);
        QVERIFY(!ui::pick::carried());
    }
};

PLAYHAVEN_TEST(ControlDrawingTest)
#include "tst_control_drawing.moc"
