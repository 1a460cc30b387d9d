// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDriver.h"
#include "board/BoardLayout.h"
#include "board/frmBrookhop.h"
#include "board/frmPlayerOptions.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Random.h"

#include <QAction>
#include <QTest>

using namespace boardtest;
using M = MarkerKind;
using ui::form;

Q_DECLARE_METATYPE(MarkerKind)

namespace {

struct GameRecord {
    QStringList places;
    int lostTurns = 0;
    int sentBack = 0;
    int spins = 0;
};

} // namespace

// Whole games, played the way players do: each in turn clicks their option button (first
// unselecting it by its picture after a lost turn) and drags the marker to the spun stone.
class BoardGamesTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    // The board's invariants after every spin and drop.
    static void checkBoard(frmBrookhop &b, const QList<M> &players)
    {
        for (M k : players) {
            const auto stones = stonesOf(b, k);
            QCOMPARE(stones.size(), std::size_t(1));
            QCOMPARE(b.flag(k), stones[0] != board::finishStone);
        }
        for (int s = 1; s < board::finishStone; ++s) {
            int here = 0;
            for (M k : allMarkers)
                here += ui::visible(b.markerPicture(k, s)) ? 1 : 0;
            QVERIFY(here <= 1);
        }
        QVERIFY(b.finishPlace >= 1 && b.finishPlace <= 3);
    }

    void play(frmBrookhop &b, const QList<M> &players, GameRecord &r)
    {
        int turn = 0;
        auto finished = [&] { return std::none_of(players.begin(), players.end(), [&](M k) { return b.flag(k); }); };
        while (!finished() && r.spins < 5000) {
            const M k = players[turn++ % players.size()];
            if (!b.flag(k))
                continue;
            if (b.optionButton(k)->Value())
                QTest::mouseClick(b.markerPicture(k, 26), Qt::LeftButton);
            const int before = stoneOf(b, k);
            fx.dialogs.clear();
            clickOption(b, k);
            ++r.spins;
            if (fx.dialogs.texts() == QStringList { "You lose a turn!" }) {
                ++r.lostTurns;
                QCOMPARE(stoneOf(b, k), before);
                continue;
            }
            QVERIFY(fx.dialogs.shown.isEmpty());
            QCOMPARE(int(b.position(k)), int(b.newPosition));
            drag(b, k, b.newPosition);
            QVERIFY(b.moveDone && !b.optionButton(k)->Value());
            QVERIFY(!ui::enabled(b.spinnerLabel(b.spinValue)));
            if (!fx.dialogs.shown.isEmpty() && fx.dialogs.texts()[0].startsWith("Two players")) {
                ++r.sentBack;
                QCOMPARE(stoneOf(b, k), 0);
            } else {
                QCOMPARE(stoneOf(b, k), int(b.newPosition));
            }
            if (stoneOf(b, k) == board::finishStone) {
                r.places += fx.dialogs.texts();
                QVERIFY(!ui::enabled(b.markerPicture(k, 25)) && !ui::enabled(b.optionButton(k)));
                QVERIFY(!b.menuItem(k)->isEnabled());
            }
            QCOMPARE(int(b.position(k)), stoneOf(b, k));
            checkBoard(b, players);
            if (QTest::currentTestFailed())
                return;
        }
    }

private slots:
    void init() { fx.restart(); }

    void gamesArePlayedToTheLastPlace_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<QList<M>>("players");
        for (quint64 seed : { 1u, 2u, 3u, 4u, 5u })
            QTest::addRow("two players, seed %llu", seed) << seed << QList<M> { M::Bicycle, M::Plane };
        for (quint64 seed : { 11u, 12u, 13u, 14u, 15u })
            QTest::addRow("three players, seed %llu", seed) << seed << QList<M> { M::Bicycle, M::Cars, M::Plane };
    }
    void gamesArePlayedToTheLastPlace()
    {
        QFETCH(quint64, seed);
        QFETCH(QList<M>, players);
        frmBrookhop &b = form<frmBrookhop>();
        b.show();
        ui::seedRandom(seed);
        choosePlayers(b, int(players.size()), [&](frmPlayerOptions &d) {
            for (M k : players)
                tick(d, k);
        });
        GameRecord r;
        play(b, players, r);
        const QStringList places { "Congratulations!  You win!!\r\nYou came in first place.",
            "You came in second place.", "You came in third place." };
        QCOMPARE(r.places, places.first(players.size()));
        QCOMPARE(b.finishPlace, std::int16_t(3));
        QVERIFY(!b.mnuPlayerOptions()->isEnabled());
        // A marker left out never played: off the board, its button and menu item disabled.
        for (M k : allMarkers) {
            const bool played = players.contains(k);
            QCOMPARE(stonesOf(b, k), played ? std::vector<int> { 25 } : std::vector<int> {});
            QVERIFY(!b.flag(k) && !ui::enabled(b.optionButton(k)) && !b.menuItem(k)->isEnabled());
        }
        qInfo("seed %llu: %d spins, %d lost turns, %d sent back", seed, r.spins, r.lostTurns, r.sentBack);
        // Restart brings every marker back into play for a new game.
        QTest::mouseClick(b.cmdRestart(), Qt::LeftButton);
        for (M k : allMarkers)
            QVERIFY(b.flag(k) && stonesOf(b, k) == std::vector<int> { 0 });
    }
};

PLAYHAVEN_TEST(BoardGamesTest)
#include "tst_board_games.moc"
