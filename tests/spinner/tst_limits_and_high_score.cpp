// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinner/frmSetOwnLimits.h"
#include "spinner/frmShowHighScore.h"
#include "spinner/frmSpinzo.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Random.h"

#include <QSignalSpy>
#include <QTest>

using ui::form;
using ui::MsgResult;

namespace {

const QString prompt = QStringLiteral("Enter your own maximum number of attempts.");
const QString perfect = QStringLiteral("Your score is 100%!\r\nYou have a PERFECT SCORE!!!");
constexpr float lose = 0.05f;
constexpr float win = 0.75f;

} // namespace

// The limits dialog and the high-score window, driven from the game window.
class LimitsAndHighScoreTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    static frmSetOwnLimits &openLimits()
    {
        frmSpinzo &g = form<frmSpinzo>();
        g.show();
        QTest::mouseClick(g.cmdSetOwnLimits(), Qt::LeftButton);
        return form<frmSetOwnLimits>();
    }
    static void spin(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(form<frmSpinzo>().cmdSpin(), Qt::LeftButton);
    }
    void endAndSeeHighScore()
    {
        fx.dialogs.answer(MsgResult::Yes);
        QTest::mouseClick(form<frmSpinzo>().cmdEnd(), Qt::LeftButton);
    }

private slots:
    void init() { fx.restart(); }

    void limitsDialogOpensAsDesignedInPlaceOfTheGame()
    {
        frmSetOwnLimits &d = openLimits();
        QVERIFY(d.isVisible() && !form<frmSpinzo>().isVisible());
        QCOMPARE(d.Caption(), QStringLiteral("Set Own Limits"));
        QCOMPARE(d.fraSetOwnLimits()->title(), QStringLiteral("Set Own Limits"));
        const QList<ui::OptionButton *> options { d.Option1(0), d.Option2(1), d.Option3(2), d.Option4(3),
            d.Option5(4) };
        QStringList captions;
        for (ui::OptionButton *o : options) {
            captions << o->text();
            QCOMPARE(o->parentWidget(), static_cast<QWidget *>(d.fraSetOwnLimits()));
            QCOMPARE(ui::backColor(o), 0x00C0C0FFu);
        }
        QCOMPARE(captions, (QStringList { "OPEN LIMITS", "10", "25", "100", "OTHER" }));
        QCOMPARE(ui::controlOf(d.Option4(3))->controlIndex(), 3);
        QVERIFY(d.Option1(0)->Value());
        QVERIFY(!ui::enabled(d.cmdReturnToGame()));
        QVERIFY(d.cmdReturnToGame()->captionWraps());
    }

    void tenThenOpenLimitsKeepsTheLimitWithoutEffect()
    {
        frmSetOwnLimits &d = openLimits();
        QTest::mouseClick(d.Option2(1), Qt::LeftButton);
        QVERIFY(ui::enabled(d.cmdReturnToGame()));
        QTest::mouseClick(d.Option1(0), Qt::LeftButton);
        QTest::mouseClick(d.cmdReturnToGame(), Qt::LeftButton);
        frmSpinzo &g = form<frmSpinzo>();
        QVERIFY(g.isVisible() && !d.isVisible() && d.isLoaded());
        QVERIFY(g.blnOpenLimits);
        QCOMPARE(g.intMaxSpins, std::int16_t(10));
        spin(11);
        QCOMPARE(g.lblAttempts()->Caption(), QStringLiteral("1")); // the continue question came after 10
    }

    void otherEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("limit");
        QTest::newRow("7") << "7" << false << 7;
        QTest::newRow("cancel") << "" << true << 0;
        QTest::newRow("abc") << "abc" << false << 0;
        QTest::newRow("0") << "0" << false << 0;
        QTest::newRow("2.5") << "2.5" << false << 2;
        QTest::newRow("-5") << "-5" << false << -5;
        QTest::newRow("beyond 32767 is clamped") << "1e9" << false << 32767;
        QTest::newRow("control characters and non-ASCII") << QString("\x01\x1b\u00e9\u4e03") << false << 0;
        QTest::newRow("overlong") << QString(100000, '9') << false << 32767;
    }
    void otherEntries()
    {
        QFETCH(QString, entry);
        QFETCH(bool, cancelled);
        QFETCH(int, limit);
        frmSetOwnLimits &d = openLimits();
        frmSpinzo &g = form<frmSpinzo>();
        if (cancelled)
            fx.dialogs.cancelInput();
        else
            fx.dialogs.type(entry);
        QTest::mouseClick(d.Option5(4), Qt::LeftButton);
        QCOMPARE(fx.dialogs.prompts, QStringList { prompt });
        QCOMPARE(int(g.intMaxSpins), limit);
        QVERIFY(d.Option5(4)->Value());
        if (limit == 0) {
            // Straight back to the game with open limits; the dialog stays loaded, hidden.
            QVERIFY(g.blnOpenLimits);
            QVERIFY(g.isVisible() && !d.isVisible() && d.isLoaded());
            QVERIFY(!ui::enabled(d.cmdReturnToGame()));
        } else {
            QVERIFY(!g.blnOpenLimits);
            QVERIFY(d.isVisible() && !g.isVisible());
            QVERIFY(ui::enabled(d.cmdReturnToGame()));
        }
    }

    void otherSevenAllowsSevenSpins()
    {
        frmSetOwnLimits &d = openLimits();
        fx.dialogs.type("7");
        QTest::mouseClick(d.Option5(4), Qt::LeftButton);
        QTest::mouseClick(d.cmdReturnToGame(), Qt::LeftButton);
        spin(7);
        QVERIFY(fx.dialogs.shown.isEmpty());
        fx.dialogs.answer(MsgResult::Yes);
        spin();
        QCOMPARE(fx.dialogs.texts(), QStringList { "Do you want to play again?" });
    }

    void aNegativeLimitIsUsedUpAtOnce()
    {
        frmSetOwnLimits &d = openLimits();
        fx.dialogs.type("-5");
        QTest::mouseClick(d.Option5(4), Qt::LeftButton);
        QTest::mouseClick(d.cmdReturnToGame(), Qt::LeftButton);
        fx.dialogs.answer(MsgResult::Yes);
        spin();
        QCOMPARE(fx.dialogs.texts(), QStringList { "Do you want to play again?" });
        QVERIFY(form<frmSpinzo>().lblSpinzoNumber1()->Caption().isEmpty());
    }

    void closeBoxKeepsTheChoiceButTheNextOpeningStartsAfresh()
    {
        frmSetOwnLimits &d = openLimits();
        QTest::mouseClick(d.Option3(2), Qt::LeftButton);
        d.view()->close();
        frmSpinzo &g = form<frmSpinzo>();
        QVERIFY(!d.isLoaded() && g.isVisible());
        QCOMPARE(g.intMaxSpins, std::int16_t(25));
        QVERIFY(!g.blnOpenLimits);
        QTest::mouseClick(g.cmdSetOwnLimits(), Qt::LeftButton);
        QVERIFY(d.Option1(0)->Value() && !ui::enabled(d.cmdReturnToGame()));
    }

    // Play again selects OPEN LIMITS from outside; its click runs only if the selection changes.
    void playAgainSelectsOpenLimitsInTheDialog()
    {
        frmSpinzo &g = form<frmSpinzo>();
        g.show();
        g.blnOpenLimits = false; // a limit of 0, set without opening the dialog
        fx.dialogs.answer(MsgResult::Yes);
        spin();
        frmSetOwnLimits &d = form<frmSetOwnLimits>();
        QVERIFY(d.isLoaded() && !d.isVisible()); // loaded hidden, as designed: nothing ran
        QVERIFY(d.Option1(0)->Value() && !ui::enabled(d.cmdReturnToGame()));

        QTest::mouseClick(g.cmdSetOwnLimits(), Qt::LeftButton);
        fx.dialogs.type("3");
        QTest::mouseClick(d.Option5(4), Qt::LeftButton);
        QTest::mouseClick(d.cmdReturnToGame(), Qt::LeftButton);
        QSignalSpy clicks(d.Option1(0), &ui::OptionButton::Click);
        spin(3);
        fx.dialogs.answer(MsgResult::Yes);
        spin();
        QCOMPARE(clicks.count(), 1);
        QVERIFY(d.Option1(0)->Value() && !d.Option5(4)->Value());
        QVERIFY(!d.isVisible() && g.isVisible() && g.blnOpenLimits);
    }

    void highScoreTexts()
    {
        frmSpinzo &g = form<frmSpinzo>();
        g.show();
        endAndSeeHighScore(); // before any spin, nothing recorded yet
        frmShowHighScore &h = form<frmShowHighScore>();
        QVERIFY(h.isVisible() && !g.isVisible());
        QCOMPARE(h.Caption(), QStringLiteral("Show High Score"));
        QCOMPARE(h.cmdExit()->Caption(), QStringLiteral("Exit the Game"));
        QCOMPARE(h.lblHighScore()->Caption(), QStringLiteral("Your highest score is 0.0%."));
        QTest::mouseClick(h.cmdExit(), Qt::LeftButton);
        QVERIFY(!h.isLoaded() && !g.isLoaded() && !form<frmSetOwnLimits>().isLoaded());
        QVERIFY(fx.homeCount > 0);

        // Two losses then a win record a third; a later 1 in 2 beats it.
        g.show();
        ui::setRandomSequence({ lose, lose, lose, lose, lose, lose, win, lose, lose });
        spin(3);
        endAndSeeHighScore();
        QCOMPARE(h.lblHighScore()->Caption(), QStringLiteral("Your highest score is 33.3%."));
        fx.homeCount = 0;
        h.view()->close(); // the close box does what Exit does
        QVERIFY(!h.isLoaded() && !g.isLoaded() && fx.homeCount > 0);
        g.show();
        ui::setRandomSequence({ win, lose, lose, lose, lose, lose });
        spin(2);
        endAndSeeHighScore();
        QCOMPARE(h.lblHighScore()->Caption(), QStringLiteral("Your highest score is 50.0%."));
        QTest::mouseClick(h.cmdExit(), Qt::LeftButton);

        // A perfect game: the two-line message, the stored 50% not mentioned.
        g.show();
        ui::setRandomSequence({ win });
        spin();
        endAndSeeHighScore();
        QCOMPARE(h.lblHighScore()->Caption(), perfect);
        QCOMPARE(g.sngHighScore, 0.5f);
        QCOMPARE(fx.dialogs.unplanned, 0);
    }

    void tenWinsOfAFixedTenArePerfect()
    {
        frmSetOwnLimits &d = openLimits();
        QTest::mouseClick(d.Option2(1), Qt::LeftButton);
        QTest::mouseClick(d.cmdReturnToGame(), Qt::LeftButton);
        ui::setRandomSequence({ win });
        spin(10);
        fx.dialogs.answer(MsgResult::No);
        fx.dialogs.answer(MsgResult::Yes);
        spin();
        QCOMPARE(form<frmShowHighScore>().lblHighScore()->Caption(), perfect);
        QVERIFY(form<frmShowHighScore>().isVisible() && !form<frmSpinzo>().isVisible());
    }
};

PLAYHAVEN_TEST(LimitsAndHighScoreTest)
#include "tst_limits_and_high_score.moc"
