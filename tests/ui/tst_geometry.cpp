// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Geometry.h"
#include "ui/Program.h"

#include <QAccessible>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// Controls at odd twips, none of them a multiple of a pixel at any scale: a picture as large as
// its control, a label whose right edge is the stone's left edge, and a path line.
class GeometryProbe : public ui::Form {
    Q_OBJECT
public:
    GeometryProbe()
        : Form(QStringLiteral("GeometryProbe"))
    {
    }
    // clang-format off
    UI_CONTROL(imgRocket, image().picture(":/icons/bicycle32.png").at(1013, 1013, 480, 480));
    UI_CONTROL(lblBeside, label().caption("beside").at(1493, 1013, 520, 1000).back(white));
    UI_CONTROL(picStone, pictureBox().at(2013, 1013, 500, 1000).back(white));
    UI_CONTROL(linPath, line().from(1013, 2600).to(2513, 2600).fore(black));
    UI_CONTROL(chkLow, checkBox().caption("Low").at(120, 120, 900, 195).back(white));
    UI_CONTROL(optLow, optionButton().caption("Low").at(1100, 120, 900, 195).back(white));
    // clang-format on

protected:
    ui::FormDesign formDesign() const override
    {
        return { .caption = QStringLiteral("Geometry"), .clientWidth = 3000, .clientHeight = 3000 };
    }
};

} // namespace

// Twips, design pixels and colours are the vocabulary of every window table; a wrong conversion
// shifts, gaps or recolours every window at once, at some scales and not at others.
class GeometryTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }
    void cleanup() { ui::useDisplayScale(1.0); }

    void anInchIsTheLogicalDpi()
    {
        QCOMPARE(ui::twipsToPixels(1440), qRound(ui::logicalDpi()));
        QCOMPARE(ui::twipsToPixels(0), 0);
        QCOMPARE(ui::pixelsToTwips(ui::twipsToPixels(14400)), 14400.0);
    }

    // Expected pixels at 96 dpi, worked out by hand from twips x scale / 15, each edge rounded
    // to the nearest pixel (x.5 up).
    void controlsPicturesAndLinesAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("rocketX"); // 1013 twips
        QTest::addColumn<int>("rocketSide"); // from 1013 to 1493
        QTest::addColumn<int>("besideX"); // 1493
        QTest::addColumn<int>("besideWidth"); // to 2013
        QTest::addColumn<int>("stoneX"); // 2013
        QTest::addColumn<int>("stoneWidth"); // to 2513
        QTest::addColumn<int>("line"); // one design pixel
        QTest::newRow("0.75") << 0.75 << 51 << 24 << 75 << 26 << 101 << 25 << 1;
        QTest::newRow("0.8") << 0.8 << 54 << 26 << 80 << 27 << 107 << 27 << 1;
        QTest::newRow("0.95") << 0.95 << 64 << 31 << 95 << 32 << 127 << 32 << 1;
        QTest::newRow("1") << 1.0 << 68 << 32 << 100 << 34 << 134 << 34 << 1;
        QTest::newRow("1.25") << 1.25 << 84 << 40 << 124 << 44 << 168 << 41 << 1;
        QTest::newRow("1.5") << 1.5 << 101 << 48 << 149 << 52 << 201 << 50 << 2;
        QTest::newRow("1.75") << 1.75 << 118 << 56 << 174 << 61 << 235 << 58 << 2;
        QTest::newRow("2.25") << 2.25 << 152 << 72 << 224 << 78 << 302 << 75 << 2;
        QTest::newRow("3") << 3.0 << 203 << 96 << 299 << 104 << 403 << 100 << 3;
    }
    void controlsPicturesAndLinesAtEveryScale()
    {
        QFETCH(double, scale);
        QFETCH(int, rocketX);
        QFETCH(int, rocketSide);
        QFETCH(int, besideX);
        QFETCH(int, besideWidth);
        QFETCH(int, stoneX);
        QFETCH(int, stoneWidth);
        QFETCH(int, line);
        ui::useDisplayScale(scale);
        GeometryProbe &f = ui::form<GeometryProbe>();
        f.show();

        // Each edge lands where the expected pixels say; so the rocket, the label and the stone,
        // which meet in the design, meet on the screen with no gap and no overlap.
        QCOMPARE(f.imgRocket()->geometry(), QRect(rocketX, rocketX, rocketSide, rocketSide));
        QCOMPARE(f.lblBeside()->x(), besideX);
        QCOMPARE(f.lblBeside()->width(), besideWidth);
        QCOMPARE(f.picStone()->x(), stoneX);
        QCOMPARE(f.picStone()->width(), stoneWidth);
        QCOMPARE(f.imgRocket()->geometry().right() + 1, f.lblBeside()->x());
        QCOMPARE(f.lblBeside()->geometry().right() + 1, f.picStone()->x());

        // A picture as large as its control in the design is drawn at the control's size.
        QCOMPARE(f.imgRocket()->Picture().deviceIndependentSize().toSize(), f.imgRocket()->size());

        // The stone's outline and the path line are as thick as each other: a design pixel.
        QCOMPARE(f.picStone()->lineWidth(), line);
        const QImage path = f.linPath()->grab().toImage();
        const QPoint middle = f.linPath()->mapFrom(f.view()->client(), QPoint(stoneX - 10, 0));
        int thickness = 0;
        for (int y = 0; y < path.height(); ++y)
            thickness += path.pixelColor(middle.x(), y) == QColor(Qt::black) ? 1 : 0;
        QCOMPARE(thickness, line);
    }

    // A check box or option button in a row lower than the style's mark (195 twips, 23 pixels at
    // 1.75, against a mark of 25) draws its mark inside the row, and assistive technology gives
    // the whole row, where a click counts, not only the mark.
    void marksFitTheirRowAndTheRowIsTheControl_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("row");
        QTest::newRow("1") << 1.0 << 13;
        QTest::newRow("1.75") << 1.75 << 23;
        QTest::newRow("3") << 3.0 << 39;
    }
    void marksFitTheirRowAndTheRowIsTheControl()
    {
        QFETCH(double, scale);
        QFETCH(int, row);
        ui::useDisplayScale(scale);
        GeometryProbe &f = ui::form<GeometryProbe>();
        f.show();
        for (QAbstractButton *b :
            { static_cast<QAbstractButton *>(f.chkLow()), static_cast<QAbstractButton *>(f.optLow()) }) {
            QCOMPARE(b->height(), row);
            QStyleOptionButton option;
            option.initFrom(b);
            const bool check = qobject_cast<QCheckBox *>(b) != nullptr;
            const QRect mark = b->style()->subElementRect(
                check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, b);
            QVERIFY2(b->rect().contains(mark), qPrintable(b->objectName()));
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
            QVERIFY(a);
            QCOMPARE(a->rect(), QRect(b->mapToGlobal(QPoint(0, 0)), b->size()));
        }
    }

    void coloursAreBlueGreenRed()
    {
        QCOMPARE(ui::vbColor(0x0000FFFF), QColor(255, 255, 0)); // yellow
        QCOMPARE(ui::vbColor(0x00FF0000), QColor(0, 0, 255)); // blue
        QCOMPARE(ui::vbColor(0x00FF8080), QColor(128, 128, 255)); // light blue
        QCOMPARE(ui::rgb(255, 128, 0), quint32(0x000080FF));
    }
};

PLAYHAVEN_TEST(GeometryTest)
#include "tst_geometry.moc"
