// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SplashRules.h"
#include "support/TestMain.h"

#include <QTest>

// The splash windows' rules on their own: the label slide, the colour cycle and the glide.
class SplashRulesTest : public QObject {
    Q_OBJECT

private slots:
    void labelsCrossOneAfterTheOther()
    {
        double on = 0, getSet = 0;
        QList<SlideTick> seen;
        while (seen.size() < 300) {
            seen.append(slideTick(on, getSet));
            if (seen.last() == SlideTick::Go)
                break;
        }
        // 100 steps of 100 twips for each label, then "GO!" on the next tick.
        QCOMPARE(seen.count(SlideTick::OnYourMark), 100);
        QCOMPARE(seen.count(SlideTick::GetSet), 100);
        QCOMPARE(seen.size(), 201);
        QCOMPARE(seen.indexOf(SlideTick::GetSet), 100);
        QCOMPARE(on, 10000.0);
        QCOMPARE(getSet, 10000.0);
        // A label that was put past the end is not moved any further.
        on = 10050;
        getSet = 9950;
        QCOMPARE(slideTick(on, getSet), SlideTick::GetSet);
        QCOMPARE(on, 10050.0);
        QCOMPARE(getSet, 10050.0);
    }

    void colourCycleRunsItsTicksInListOrderAndKeepsItsPlace()
    {
        static constexpr std::uint32_t list[] = { 1, 2, 3 };
        const ColourCycle cycle { list, 5 };
        std::int16_t holdTicks = 0, colorStep = 0;
        QList<std::uint32_t> shown;
        while (auto c = colourTick(cycle, holdTicks, colorStep))
            shown.append(*c);
        QCOMPARE(shown, (QList<std::uint32_t> { 1, 2, 3, 1, 2 }));
        QCOMPARE(holdTicks, std::int16_t(5));
        QCOMPARE(colorStep, std::int16_t(2));
        QVERIFY(!colourTick(cycle, holdTicks, colorStep)); // stays over
        // A new visit counts afresh but takes the list up where the last one stopped.
        holdTicks = 0;
        QCOMPARE(*colourTick(cycle, holdTicks, colorStep), std::uint32_t(3));
        QCOMPARE(*colourTick(cycle, holdTicks, colorStep), std::uint32_t(2));
    }

    void glideStepsFromItsOwnPositionUntilWhollyAbove_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("last");
        QTest::newRow("whole steps") << 100.0 << 50.0 << 16 << -60.0;
        QTest::newRow("lands on -Height: one more") << 100.0 << 60.0 << 17 << -70.0;
        QTest::newRow("fraction dropped first") << 15.5 << 0.0 << 2 << -5.0;
        QTest::newRow("already above: one step") << -500.0 << 100.0 << 1 << -510.0;
    }
    void glideStepsFromItsOwnPositionUntilWhollyAbove()
    {
        QFETCH(double, top);
        QFETCH(double, height);
        QFETCH(int, steps);
        QFETCH(double, last);
        ExitGlide glide(top, height);
        QVERIFY(!glide.finished());
        while (!glide.finished() && glide.steps() < 10000)
            glide.step();
        QCOMPARE(glide.steps(), steps);
        QCOMPARE(glide.top(), last);
    }

    void glidePaceTakesOneToThreeSecondsFromTheMiddleOfA1080Screen()
    {
        // About 1160 steps at 96 dpi: half the screen (about 4600 twips) plus the window's
        // height (about 7000 twips), 10 twips a step.
        QVERIFY(glideStepsDue(1000) < 1160);
        QVERIFY(glideStepsDue(3000) >= 1160);
        QCOMPARE(glideStepsDue(0), 0LL);
        QVERIFY(glideStepsDue(10) <= glideStepsDue(11));
    }
};

PLAYHAVEN_TEST(SplashRulesTest)
#include "tst_splash_rules.moc"
