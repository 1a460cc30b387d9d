// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmHelpSpinzo.h"
#include "spinner/frmSetOwnLimits.h"
#include "spinner/frmShowHighScore.h"
#include "spinner/frmSpinzo.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Random.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

using ui::form;
using ui::MsgResult;

namespace {

const QString playAgain = QStringLiteral("Do you want to play again?");
const QString seeHighScore = QStringLiteral("Do you want to see your highest score?");
const QString goOn = QStringLiteral("Do you want to continue playing this game?");

constexpr float lose = 0.05f; // every digit 0
constexpr float win = 0.75f; // every digit 7

} // namespace

// The game window: spins, counts, percentages, the limits, the questions and the way back.
class SpinzoWindowTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    static frmSpinzo &openGame()
    {
        frmSpinzo &g = form<frmSpinzo>();
        g.show();
        return g;
    }
    static void spin(frmSpinzo &g, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(g.cmdSpin(), Qt::LeftButton);
    }
    static void chooseLimit(frmSpinzo &g, int option)
    {
        QTest::mouseClick(g.cmdSetOwnLimits(), Qt::LeftButton);
        frmSetOwnLimits &d = form<frmSetOwnLimits>();
        const std::array<ui::OptionButton *, 5> options { d.Option1(0), d.Option2(1), d.Option3(2), d.Option4(3),
            d.Option5(4) };
        QTest::mouseClick(options[option], Qt::LeftButton);
        QTest::mouseClick(d.cmdReturnToGame(), Qt::LeftButton);
    }

private slots:
    void init() { fx.restart(); }

    void opensAsDesigned()
    {
        frmSpinzo &g = openGame();
        QCOMPARE(g.Caption(), QStringLiteral("\"SPINZO\""));
        QCOMPARE(g.BackColor(), 0x000000FFu);
        QVERIFY(!ui::visible(g.imgBigFeet()));
        QVERIFY(g.imgBigFeet()->Stretch());
        QVERIFY(!g.imgBigFeet()->Picture().isNull());
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins:0"));
        QCOMPARE(g.lblRate()->Caption(), QStringLiteral("0.0%"));
        QCOMPARE(g.lblName()->Caption(), QStringLiteral("Spinzo"));
        QVERIFY(g.lblSpinzoNumber1()->Caption().isEmpty() && g.lblAttempts()->Caption().isEmpty());
        QCOMPARE(ui::backColor(g.cmdSpin()), 0x0000FFFFu);
        QCOMPARE(ui::foreColor(g.lblSpinzoNumber2()), 0x00FF0000u);
        QCOMPARE(g.lblSpinzoNumber1()->font().pointSizeF(), 48.75);
        ProgramFixture::settle();
        QCOMPARE(g.view()->focusWidget(), static_cast<QWidget *>(g.cmdSpin()));
        QCOMPARE(g.lblSpinzoNumber3()->Left(), 5400.0);
        QVERIFY(g.blnOpenLimits);
        const QStringList options { g.mnuSetOwnLimits()->text(), g.mnuSpin()->text(), g.mnuEnd()->text() };
        QCOMPARE(options, (QStringList { "Set Own Limits", "Spin", "End" }));
        QVERIFY(g.mnuSeparator()->isSeparator());
        QCOMPARE(g.mnuOptions()->menu()->actions().indexOf(g.mnuSeparator()), 2);
        QCOMPARE(g.mnuOptions()->text(), QStringLiteral("Options"));
        QCOMPARE(g.mnuHelp()->text(), QStringLiteral("Help"));
        QCOMPARE(g.mnuContents()->text(), QStringLiteral("Contents"));
    }

    void aSpinShowsThreeDigitsInLabelOrderAndCounts()
    {
        frmSpinzo &g = openGame();
        ui::setRandomSequence({ 0.15f, 0.25f, 0.95f });
        spin(g);
        QCOMPARE(g.lblSpinzoNumber1()->Caption() + g.lblSpinzoNumber2()->Caption() + g.lblSpinzoNumber3()->Caption(),
            QStringLiteral("129"));
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("1"));
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins:0"));
        QCOMPARE(g.lblRate()->Caption(), QStringLiteral("0.0%"));
        QVERIFY(!ui::visible(g.imgBigFeet()));
        QVERIFY(!g.cmdSetOwnLimits()->isEnabled() && !g.mnuSetOwnLimits()->isEnabled());
        g.mnuSpin()->trigger();
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("2"));
        QCOMPARE(fx.dialogs.beeps, 0);
        QVERIFY(fx.dialogs.shown.isEmpty());
    }

    // A first-spin win shows 100.0% but is never the highest score; the loss after it is.
    void winsShowBigFootAndOnlyMixedRatiosAreRecorded()
    {
        frmSpinzo &g = openGame();
        g.sngHighScore = 0.25f;
        ui::setRandomSequence({ win }); // three sevens: one win
        spin(g);
        QVERIFY(ui::visible(g.imgBigFeet()));
        QCOMPARE(fx.dialogs.beeps, 1);
        QCOMPARE(g.Wins, std::int16_t(1));
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins: 1"));
        QCOMPARE(g.lblRate()->Caption(), QStringLiteral("100.0%"));
        QCOMPARE(g.sngHighScore, 0.25f);
        ui::setRandomSequence({ lose });
        spin(g);
        QVERIFY(!ui::visible(g.imgBigFeet()));
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins: 1"));
        QCOMPARE(g.lblRate()->Caption(), QStringLiteral("50.0%"));
        QCOMPARE(g.sngHighScore, 0.5f);
        spin(g);
        QCOMPARE(g.lblRate()->Caption(), QStringLiteral("33.3%"));
        QCOMPARE(g.sngHighScore, 0.5f);
    }

    void fixedLimitTenAsksOnTheEleventhPressWithoutSpinning()
    {
        frmSpinzo &g = openGame();
        ui::setRandomSequence({ lose });
        chooseLimit(g, 1);
        QVERIFY(g.isVisible() && !g.blnOpenLimits);
        QCOMPARE(g.intMaxSpins, std::int16_t(10));
        spin(g, 10);
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("10"));
        QVERIFY(fx.dialogs.shown.isEmpty());
        ui::setRandomSequence({ 0.35f });
        fx.dialogs.answer(MsgResult::Yes);
        spin(g);
        QCOMPARE(fx.dialogs.texts(), QStringList { playAgain });
        const ui::MessageRequest &q = fx.dialogs.shown.first();
        QVERIFY(q.buttons == ui::MsgButtons::YesNo && q.icon == ui::MsgIcon::Question);
        QVERIFY(q.defaultButton == MsgResult::Yes && q.title.isEmpty());
        // Play again: no spin, open limits, Set Own Limits enabled, the board cleared.
        QVERIFY(g.lblSpinzoNumber1()->Caption().isEmpty());
        QVERIFY(g.lblAttempts()->Caption().isEmpty());
        QCOMPARE(g.Spins, std::int16_t(0));
        QVERIFY(g.blnOpenLimits);
        QCOMPARE(g.intMaxSpins, std::int16_t(0));
        QVERIFY(g.cmdSetOwnLimits()->isEnabled() && g.mnuSetOwnLimits()->isEnabled());
        QVERIFY(form<frmSetOwnLimits>().Option1(0)->Value());
        QVERIFY(!form<frmSetOwnLimits>().Option2(1)->Value());
        fx.dialogs.answer(MsgResult::Yes);
        spin(g, 11); // open limits now: the eleventh spin spins
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("11"));
        QCOMPARE(fx.dialogs.texts(), (QStringList { playAgain, goOn }));
    }

    void noToPlayAgainAsksForTheHighScoreAndNoReturnsToTheLauncher()
    {
        frmSpinzo &g = openGame();
        chooseLimit(g, 1);
        g.intMaxSpins = 1;
        spin(g, 2);
        QCOMPARE(fx.dialogs.texts(), (QStringList { playAgain, seeHighScore }));
        QVERIFY(!g.isLoaded());
        QVERIFY(!form<frmSetOwnLimits>().isLoaded());
        QVERIFY(fx.homeCount > 0);
        QCOMPARE(fx.dialogs.unplanned, 2); // both answered No by default
    }

    void openLimitsAskAfterEveryTenthSpinAndNoStartsAgain()
    {
        frmSpinzo &g = openGame();
        ui::setRandomSequence({ lose });
        spin(g, 9);
        QVERIFY(fx.dialogs.shown.isEmpty());
        QString attemptsWhileAsked;
        fx.dialogs.duringNextBox([&] { attemptsWhileAsked = g.lblAttempts()->Caption(); });
        fx.dialogs.answer(MsgResult::Yes);
        spin(g);
        QCOMPARE(attemptsWhileAsked, QStringLiteral("10"));
        QCOMPARE(fx.dialogs.texts(), QStringList { goOn });
        spin(g, 9);
        QCOMPARE(fx.dialogs.shown.size(), 1);
        QCOMPARE(g.Spins, std::int16_t(19)); // the question did not reset the counts
        fx.dialogs.answer(MsgResult::No);
        spin(g);
        QCOMPARE(fx.dialogs.texts(), (QStringList { goOn, goOn }));
        QCOMPARE(g.Spins, std::int16_t(0));
        QVERIFY(g.lblAttempts()->Caption().isEmpty() && g.lblSpinzoNumber2()->Caption().isEmpty());
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins:0"));
        QCOMPARE(g.lblRate()->Caption(), QStringLiteral("0.0%"));
        QVERIFY(g.cmdSetOwnLimits()->isEnabled());
        spin(g, 9);
        QCOMPARE(fx.dialogs.shown.size(), 2);
        fx.dialogs.answer(MsgResult::Yes);
        spin(g);
        QCOMPARE(fx.dialogs.shown.size(), 3);
    }

    // Coming back from another program window starts the counts again; the labels keep
    // showing the old ones until the next spin.
    void comingBackFromAnotherWindowResetsTheCounts()
    {
        frmSpinzo &g = openGame();
        // Counts left over from before (another window may write them) are reset by the
        // return from the limits dialog.
        g.Spins = 4;
        g.Wins = 2;
        chooseLimit(g, 2);
        QVERIFY(g.isVisible());
        QCOMPARE(g.Spins, std::int16_t(0));
        QCOMPARE(g.Wins, std::int16_t(0));

        // Mid-game, from the help window.
        ui::setRandomSequence({ win });
        spin(g, 3);
        g.mnuContents()->trigger();
        QVERIFY(form<frmHelpSpinzo>().isVisible());
        form<frmHelpSpinzo>().view()->close();
        QCOMPARE(ui::Program::instance().activeForm(), &g);
        QCOMPARE(g.Spins, std::int16_t(0));
        QCOMPARE(g.Wins, std::int16_t(0));
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("3"));
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins: 3"));
        spin(g);
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("1"));
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins: 1"));
    }

    // The attempt counter stops at 32767: the next press offers a new game instead of spinning.
    void theCountersStopAt32767()
    {
        frmSpinzo &g = openGame();
        ui::setRandomSequence({ win });
        g.Spins = 32766;
        g.Wins = 32766;
        spin(g);
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("32767"));
        QCOMPARE(g.lblWins()->Caption(), QStringLiteral("Wins: 32767"));
        QCOMPARE(g.lblRate()->Caption(), QStringLiteral("100.0%"));
        ui::setRandomSequence({ lose });
        fx.dialogs.answer(MsgResult::Yes);
        spin(g);
        QCOMPARE(fx.dialogs.texts(), QStringList { playAgain });
        QCOMPARE(g.Spins, std::int16_t(0));
        QVERIFY(g.lblSpinzoNumber1()->Caption().isEmpty());
        spin(g);
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("1"));
    }

    void closeBoxAsksNothingAndKeepsTheHighScore()
    {
        frmSpinzo &g = openGame();
        ui::setRandomSequence({ win, lose, lose, lose, lose, lose });
        spin(g, 2);
        form<frmSetOwnLimits>().load();
        g.view()->close();
        QVERIFY(fx.dialogs.shown.isEmpty());
        QVERIFY(!g.isLoaded() && !form<frmSetOwnLimits>().isLoaded());
        QVERIFY(fx.homeCount > 0);
        QCOMPARE(g.sngHighScore, 0.5f);
        g.blnOpenLimits = false;
        openGame();
        QVERIFY(g.blnOpenLimits); // every load starts in open limits
        QCOMPARE(g.sngHighScore, 0.5f);
    }
};

PLAYHAVEN_TEST(SpinzoWindowTest)
#include "tst_spinzo_window.moc"
