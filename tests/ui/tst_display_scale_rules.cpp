// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestMain.h"
#include "ui/DisplayScale.h"

#include <QTest>
#include <array>

using ui::WindowExtent;

namespace {

// The two largest windows at scale 1 on an ordinary desktop: the launcher (its stars, letters
// and launch pad) and the board (stones, toolbar, menu and status bar), with the window
// manager's frame and title bar.
constexpr std::array<WindowExtent, 2> windows { {
    { 770, 600, 8, 30 },
    { 700, 500, 8, 30 },
} };

} // namespace

class DisplayScaleRulesTest : public QObject {
    Q_OBJECT

private slots:
    void theFactorFitsEveryWindow_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("chosen"); // 0: none
        QTest::addColumn<double>("factor");
        // Available areas: the screen less a desktop panel.
        QTest::newRow("1920 x 1080 with a panel") << 1920.0 << 1040.0 << 0.0 << 1.5;
        QTest::newRow("3840 x 2160 at the desktop's scale 2 is the same") << 1920.0 << 1040.0 << 0.0 << 1.5;
        QTest::newRow("2560 x 1440") << 2560.0 << 1400.0 << 0.0 << 2.25;
        QTest::newRow("1366 x 768") << 1366.0 << 728.0 << 0.0 << 1.0;
        QTest::newRow("fits 1.5 exactly") << 1400.0 << 930.0 << 0.0 << 1.5;
        // Below 1 in steps of 0.05: the largest that fits.
        QTest::newRow("1024 x 600: fits 0.9 exactly") << 1024.0 << 570.0 << 0.0 << 0.9;
        QTest::newRow("1024 x 600 without a panel: fits 0.95 exactly") << 1024.0 << 600.0 << 0.0 << 0.95;
        QTest::newRow("a pixel short of 0.95") << 1024.0 << 599.0 << 0.0 << 0.9;
        QTest::newRow("between 0.95 and 1") << 1024.0 << 610.0 << 0.0 << 0.95;
        QTest::newRow("just below 1") << 776.0 << 2000.0 << 0.0 << 0.95;
        QTest::newRow("narrow: the width decides") << 600.0 << 2000.0 << 0.0 << 0.75;
        QTest::newRow("narrow: the width decides, between steps") << 700.0 << 2000.0 << 0.0 << 0.85;
        QTest::newRow("tiny: never below 0.75") << 640.0 << 400.0 << 0.0 << 0.75;
        QTest::newRow("huge: never above 4") << 7680.0 << 4320.0 << 0.0 << 4.0;
        QTest::newRow("chosen 1 on a large screen") << 2560.0 << 1400.0 << 1.0 << 1.0;
        QTest::newRow("chosen 2.5 on a small screen") << 1366.0 << 728.0 << 2.5 << 2.5;
        QTest::newRow("chosen 0.5 is not offered") << 1920.0 << 1040.0 << 0.5 << 1.5;
        QTest::newRow("chosen 5 is not offered") << 1920.0 << 1040.0 << 5.0 << 1.5;
    }
    void theFactorFitsEveryWindow()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, chosen);
        QFETCH(double, factor);
        const std::optional<double> choice = chosen > 0 ? std::optional<double>(chosen) : std::nullopt;
        QCOMPARE(ui::chooseDisplayScale(width, height, windows, choice), factor);
    }

    void aScreenTheWindowsCannotMeasureKeepsTheDesign()
    {
        const std::array<WindowExtent, 1> nothing { { { 0, 0, 0, 0 } } };
        QCOMPARE(ui::chooseDisplayScale(1920, 1040, nothing), 1.0);
        QCOMPARE(ui::chooseDisplayScale(qQNaN(), 1040, windows), 1.0);
    }

    void theOfferedScalesRunFromOneToFour()
    {
        QVERIFY(ui::isOfferedScale(1.0));
        QVERIFY(ui::isOfferedScale(4.0));
        QVERIFY(ui::isOfferedScale(1.3));
        QVERIFY(!ui::isOfferedScale(0.99));
        QVERIFY(!ui::isOfferedScale(4.01));
        QVERIFY(!ui::isOfferedScale(qInf()));
    }

    void theCommandLineScaleIsReadAsWritten()
    {
        QCOMPARE(ui::readOfferedScale("1"), std::optional<double>(1.0));
        QCOMPARE(ui::readOfferedScale("1.5"), std::optional<double>(1.5));
        QCOMPARE(ui::readOfferedScale("2.25"), std::optional<double>(2.25));
        QCOMPARE(ui::readOfferedScale("4."), std::optional<double>(4.0));
        for (const char *wrong : { "", ".", "0.5", "4.5", "1,5", "-1", "+2", "1e0", "inf", "nan", " 2", "2x", "1.5.0",
                 "99999999999999999999" })
            QVERIFY2(!ui::readOfferedScale(wrong), wrong);
    }
};

PLAYHAVEN_TEST(DisplayScaleRulesTest)
#include "tst_display_scale_rules.moc"
