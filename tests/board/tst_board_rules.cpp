// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardLayout.h"
#include "board/DropRule.h"
#include "board/MarkerKind.h"
#include "board/PlayerOptionsRule.h"
#include "board/SpinRule.h"
#include "support/TestMain.h"

#include <QTest>
#include <deque>

using namespace board;

Q_DECLARE_METATYPE(MarkerKind)
Q_DECLARE_METATYPE(board::DropAction)

namespace {

// A random stream that yields the numbers that give these spin values, in order.
std::function<float()> spins(std::deque<int> values, int *draws = nullptr)
{
    return [values, draws]() mutable {
        const int v = values.front();
        values.pop_front();
        if (draws)
            ++*draws;
        return float((v + 2.5) / 7.0);
    };
}

QList<MarkerKind> list(const std::vector<MarkerKind> &v)
{
    return QList<MarkerKind>(v.begin(), v.end());
}

} // namespace

class BoardRulesTest : public QObject {
    Q_OBJECT

private slots:
    void spinValuesCoverMinusTwoToFourEvenly()
    {
        QCOMPARE(spinValueOf(0.0f), std::int16_t(-2));
        QCOMPARE(spinValueOf(1.0f / 7.0f - 1e-6f), std::int16_t(-2));
        QCOMPARE(spinValueOf(2.0f / 7.0f), std::int16_t(0));
        QCOMPARE(spinValueOf(0.99999994f), std::int16_t(4)); // the largest float below 1
        for (int v = -2; v <= 4; ++v)
            QCOMPARE(spinValueOf(float((v + 2.5) / 7.0)), std::int16_t(v));
    }

    void drawsLeadingOffTheBoardAreDrawnAgain_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QList<int>>("drawn");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("draws");
        QTest::newRow("start refuses -2 and -1") << 0 << QList<int> { -2, -1, 3 } << 3 << 3;
        QTest::newRow("start takes 0") << 0 << QList<int> { 0 } << 0 << 1;
        QTest::newRow("stone 1 back onto START") << 1 << QList<int> { -1 } << -1 << 1;
        QTest::newRow("stone 1 cannot go before START") << 1 << QList<int> { -2, 2 } << 2 << 2;
        QTest::newRow("stone 24 refuses 2 to 4") << 24 << QList<int> { 4, 3, 2, 1 } << 1 << 4;
        QTest::newRow("stone 21 takes 4 to FINISH") << 21 << QList<int> { 4 } << 4 << 1;
        QTest::newRow("stone 22 refuses 4") << 22 << QList<int> { 4, -2 } << -2 << 2;
    }
    void drawsLeadingOffTheBoardAreDrawnAgain()
    {
        QFETCH(int, from);
        QFETCH(QList<int>, drawn);
        QFETCH(int, value);
        QFETCH(int, draws);
        int n = 0;
        const Spin s = spinFrom(std::int16_t(from), spins(std::deque<int>(drawn.begin(), drawn.end()), &n));
        QCOMPARE(int(s.spinValue), value);
        QCOMPARE(int(s.newPosition), from + value);
        QCOMPARE(n, draws);
    }

    void dropDecisions_data()
    {
        QTest::addColumn<int>("stone");
        QTest::addColumn<int>("newPosition");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("clears");
        QTest::addColumn<DropAction>("action");
        QTest::newRow("START accepted though taken") << 0 << 0 << true << false << DropAction::MoveHere;
        QTest::newRow("START refused, status kept") << 0 << 6 << false << false << DropAction::Nothing;
        QTest::newRow("wrong stone clears status only") << 4 << 6 << false << true << DropAction::Nothing;
        QTest::newRow("wrong stone though empty") << 4 << 6 << true << true << DropAction::Nothing;
        QTest::newRow("right stone, empty") << 6 << 6 << false << true << DropAction::MoveHere;
        QTest::newRow("right stone, taken") << 5 << 5 << true << true << DropAction::BackToStart;
        QTest::newRow("stone 24 taken") << 24 << 24 << true << true << DropAction::BackToStart;
        QTest::newRow("FINISH short") << 25 << 23 << false << false << DropAction::ExactCountMessage;
        QTest::newRow("FINISH exact, taken") << 25 << 25 << true << false << DropAction::Finish;
    }
    void dropDecisions()
    {
        QFETCH(int, stone);
        QFETCH(int, newPosition);
        QFETCH(bool, taken);
        QFETCH(bool, clears);
        QFETCH(DropAction, action);
        QCOMPARE(decideDrop(stone, newPosition, taken), (DropDecision { clears, action }));
        QCOMPARE(completesMove(action),
            action == DropAction::MoveHere || action == DropAction::BackToStart || action == DropAction::Finish);
    }

    void sameStoneTextLosesItsExclamationOnStoneFiveOnly()
    {
        for (int stone = 1; stone <= 24; ++stone) {
            const std::string expected = stone == 5 ? "Two players can't be on the same stone.  Go back to START"
                                                    : "Two players can't be on the same stone.  Go back to START!";
            QCOMPARE(std::string(sameStonePanelText(stone)), expected);
        }
    }

    void finishPlacesCountUpToThirdAndStay()
    {
        QCOMPARE(std::string(finishPlaceFor(1).message),
            std::string("Congratulations!  You win!!\r\nYou came in first place."));
        QCOMPARE(finishPlaceFor(1).nextPlace, std::int16_t(2));
        QCOMPARE(std::string(finishPlaceFor(2).message), std::string("You came in second place."));
        QCOMPARE(finishPlaceFor(2).nextPlace, std::int16_t(3));
        QCOMPARE(std::string(finishPlaceFor(3).message), std::string("You came in third place."));
        QCOMPARE(finishPlaceFor(3).nextPlace, std::int16_t(3));
    }

    void ticksDisableTheBoxesThatMayNoLongerBeTicked_data()
    {
        using M = MarkerKind;
        QTest::addColumn<int>("players");
        QTest::addColumn<MarkerKind>("clicked");
        QTest::addColumn<QList<bool>>("ticked");
        QTest::addColumn<QList<MarkerKind>>("disabled");
        QTest::newRow("one: cars") << 1 << M::Cars << QList<bool> { 0, 1, 0 } << QList<M> { M::Bicycle, M::Plane };
        QTest::newRow("one: plane") << 1 << M::Plane << QList<bool> { 0, 0, 1 } << QList<M> { M::Bicycle, M::Cars };
        QTest::newRow("two: first tick") << 2 << M::Bicycle << QList<bool> { 1, 0, 0 } << QList<M> {};
        QTest::newRow("two: bicycle+plane") << 2 << M::Plane << QList<bool> { 1, 0, 1 } << QList<M> { M::Cars };
        QTest::newRow("two: plane then bicycle") << 2 << M::Bicycle << QList<bool> { 1, 0, 1 } << QList<M> { M::Cars };
        QTest::newRow("two: bicycle+cars") << 2 << M::Cars << QList<bool> { 1, 1, 0 } << QList<M> { M::Plane };
        QTest::newRow("two: cars+plane") << 2 << M::Cars << QList<bool> { 0, 1, 1 } << QList<M> { M::Bicycle };
        QTest::newRow("two: all three, plane first")
            << 2 << M::Bicycle << QList<bool> { 1, 1, 1 } << QList<M> { M::Cars };
        QTest::newRow("three: never") << 3 << M::Cars << QList<bool> { 1, 1, 0 } << QList<M> {};
    }
    void ticksDisableTheBoxesThatMayNoLongerBeTicked()
    {
        QFETCH(int, players);
        QFETCH(MarkerKind, clicked);
        QFETCH(QList<bool>, ticked);
        QFETCH(QList<MarkerKind>, disabled);
        const Ticks t { ticked[0], ticked[1], ticked[2] };
        QCOMPARE(list(boxesToDisable(std::int16_t(players), clicked, t)), disabled);
    }

    void closingChecksTheTicksAgainstThePlayers_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<bool>>("ticked");
        QTest::addColumn<QString>("warning");
        const QString two = QStringLiteral("You must select two markers!");
        const QString three = QStringLiteral("You must select all three markers!");
        QTest::newRow("one, none") << 1 << QList<bool> { 0, 0, 0 } << QString();
        QTest::newRow("two, one ticked") << 2 << QList<bool> { 0, 0, 1 } << two;
        QTest::newRow("two, none") << 2 << QList<bool> { 0, 0, 0 } << two;
        QTest::newRow("two, two") << 2 << QList<bool> { 0, 1, 1 } << QString();
        QTest::newRow("two, three") << 2 << QList<bool> { 1, 1, 1 } << QString();
        QTest::newRow("three, two") << 3 << QList<bool> { 1, 0, 1 } << three;
        QTest::newRow("three, three") << 3 << QList<bool> { 1, 1, 1 } << QString();
    }
    void closingChecksTheTicksAgainstThePlayers()
    {
        QFETCH(int, players);
        QFETCH(QList<bool>, ticked);
        QFETCH(QString, warning);
        const auto w = closeWarning(std::int16_t(players), Ticks { ticked[0], ticked[1], ticked[2] });
        QCOMPARE(w ? QString::fromLatin1(*w) : QString(), warning);
    }

    void markersAreFoundByExactTagAndKey()
    {
        QCOMPARE(markerOfTag("CARS"), std::optional(MarkerKind::Cars));
        QCOMPARE(markerOfTag("cars"), std::nullopt);
        QCOMPARE(markerOfTag(""), std::nullopt);
        QCOMPARE(markerOfKey("plane"), std::optional(MarkerKind::Plane));
        QCOMPARE(markerOfKey("PLANE"), std::nullopt);
        QCOMPARE(otherMarkers(MarkerKind::Cars), (std::array { MarkerKind::Bicycle, MarkerKind::Plane }));
    }

    void pathLinesJoinFacingSidesOfNeighbouringStones()
    {
        QCOMPARE(pathLine(0), (Segment { 2040, 1320, 2520, 840 }));
        QCOMPARE(pathLine(24), (Segment { 5160, 3360, 5520, 3360 }));
        for (int i = 0; i < 25; ++i) {
            const Segment s = pathLine(i);
            const Rect a = stoneRect(i), b = stoneRect(i + 1);
            // Each end lies on (or within one grid step inside) the side of its own stone.
            auto near = [](double x, double y, const Rect &r) {
                return x >= r.left - 1 && x <= r.right() + 1 && y >= r.top - 1 && y <= r.bottom() + 1;
            };
            QVERIFY2(near(s.x1, s.y1, a), qPrintable(QString::number(i)));
            QVERIFY2(near(s.x2, s.y2, b), qPrintable(QString::number(i)));
        }
    }

    void stonesColourInTurnAndMarkersSitInsideThem()
    {
        QCOMPARE(stoneColor(0), 0x00FFFFFFu);
        QCOMPARE(stoneColor(25), 0x00FFFFFFu);
        const std::uint32_t turn[] = { 0x000000FF, 0x0000FF00, 0x0000FFFF, 0x00FFFF00 };
        for (int i = 1; i <= 24; ++i)
            QCOMPARE(stoneColor(i), turn[(i - 1) % 4]);
        QCOMPARE(markerRect(MarkerKind::Plane, 0).left, 1320.0);
        QCOMPARE(markerRect(MarkerKind::Plane, 7).top, 480.0);
        for (int i = 0; i < stoneCount; ++i) {
            for (MarkerKind k : allMarkers) {
                const Rect m = markerRect(k, i);
                QVERIFY(m.right() <= stoneRect(i).width && m.bottom() <= stoneRect(i).height);
            }
        }
    }
};

PLAYHAVEN_TEST(BoardRulesTest)
#include "tst_board_rules.moc"
