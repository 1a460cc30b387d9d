#include "shell/RocketRace.h"
#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Random.h"
#include "ui/Twips.h"

#include <QAction>
#include <QTest>

using ui::form;

class LauncherTest : public QObject
{
    Q_OBJECT
    ProgramFixture fx;

    static int yellowDots(const QImage &image)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == QColor(255, 255, 0))
                    ++n;
            }
        }
        return n;
    }

private slots:
    void init() { fx.restart(); }

    void opensWithStarsRocketsAndNoGameButtons()
    {
        frmSkydash &l = form<frmSkydash>();
        l.show();
        QCOMPARE(l.Caption(), QStringLiteral("Skydash"));
        QVERIFY(!ui::visible(l.cmdBrookhop()));
        QVERIFY(!ui::visible(l.cmdSpinzo()));
        QCOMPARE(l.imgRocket1()->Top(), 7680.0);
        QCOMPARE(l.imgRocket2()->Top(), 7680.0);
        QCOMPARE(l.imgRocket1()->Left(), 4080.0);
        QCOMPARE(l.imgRocket2()->Left(), 7320.0);
        QVERIFY(!l.tmrSkydash()->Enabled());
        QCOMPARE(l.tmrSkydash()->Interval(), 30);
        QCOMPARE(l.cmdStart()->Caption(), QStringLiteral("Start Race"));
        QCOMPARE(l.cmdExit()->Caption(), QStringLiteral("Exit"));
        QVERIFY(l.mnuBrookhop()->isEnabled() && l.mnuSpinzo()->isEnabled());
        QString name;
        for (int i = 8; i <= 16; ++i)
            name += l.lblName(i)->Caption();
        QCOMPARE(name, QStringLiteral("PLAYHAVEN"));
        QCOMPARE(l.lblName(7)->Caption(), QStringLiteral("to"));
        QCOMPARE(l.lblName(13)->Height(), 1215.0);
        // 5000 dots inside 12000 x 8000 twips; a few may land on the same pixel.
        const QImage stars = l.view()->client()->background();
        const int dots = yellowDots(stars);
        QVERIFY2(dots > 4500 && dots <= 5000, qPrintable(QString::number(dots)));
        QVERIFY(stars.width() <= ui::twipsToPixels(12000) + 64);
    }

    void starsSurviveHidingAndRepainting()
    {
        frmSkydash &l = form<frmSkydash>();
        l.show();
        const QImage before = l.view()->client()->background();
        l.hide();
        l.show();
        l.view()->repaint();
        QCOMPARE(l.view()->client()->background(), before);
        QCOMPARE(l.view()->client()->grab().toImage().pixelColor(0, 0).isValid(), true);
    }

    void startRaceHidesTheButtonsAndRunsTheTimer()
    {
        frmSkydash &l = form<frmSkydash>();
        l.show();
        l.cmdBrookhop()->show();
        QTest::mouseClick(l.cmdStart(), Qt::LeftButton);
        QVERIFY(!ui::visible(l.cmdBrookhop()));
        QVERIFY(l.tmrSkydash()->Enabled());
        l.tmrSkydash_Timer();
        const double top = l.imgRocket1()->Top();
        QTest::mouseClick(l.cmdStart(), Qt::LeftButton); // again, during the race: nothing changes
        QVERIFY(l.tmrSkydash()->Enabled());
        QCOMPARE(l.imgRocket1()->Top(), top);
    }

    void raceStepsAreDrawnLeftFirstAndTheFinishIsSeenOnTheNextTick()
    {
        RaceRockets r{100, 100};
        // Int(Rnd * 41 + 20): 0 gives 20, just under 1 gives 60; the left rocket draws first.
        std::vector<float> draws{0.0f, 0.99999f};
        std::size_t i = 0;
        auto rnd = [&] { return draws[i++ % draws.size()]; };
        QCOMPARE(raceTick(r, rnd), RaceOutcome::Racing);
        QCOMPARE(r.top1, 80.0);
        QCOMPARE(r.top2, 40.0);
        r = {20, 100};
        QCOMPARE(raceTick(r, rnd), RaceOutcome::Racing); // reaches exactly 0 ...
        QCOMPARE(r.top1, 0.0);
        QCOMPARE(raceTick(r, rnd), RaceOutcome::LeftWins); // ... and is seen at the next tick
        QCOMPARE(r.top1, raceStartTop);
        QCOMPARE(r.top2, raceStartTop);
        r = {-5, 0};
        QCOMPARE(raceTick(r, rnd), RaceOutcome::Tie);
        r = {1, -1};
        QCOMPARE(raceTick(r, rnd), RaceOutcome::RightWins);
    }

    void aRaceFinishesWhileTheLauncherIsHidden()
    {
        frmSkydash &l = form<frmSkydash>();
        l.show();
        l.cmdStart_Click();
        l.mnuSpinzo_Click(); // a game opened from the menu mid-race
        QVERIFY(!l.isVisible());
        QVERIFY(form<frmSplashSpinzo>().isVisible());
        int ticks = 0;
        while (l.tmrSkydash()->Enabled() && ticks < 1000) {
            l.tmrSkydash_Timer();
            ++ticks;
        }
        QVERIFY(ticks >= 129 && ticks <= 385); // 128 to 384 moving ticks, then the finish
        QVERIFY(ui::visible(l.cmdBrookhop()) || ui::visible(l.cmdSpinzo()));
        QCOMPARE(l.imgRocket1()->Top(), 7680.0);
        QCOMPARE(l.imgRocket2()->Top(), 7680.0);
    }

    void gameButtonsOpenTheSplashAndHideTheLauncher()
    {
        frmSkydash &l = form<frmSkydash>();
        l.show();
        l.cmdBrookhop()->show();
        l.cmdSpinzo()->show();
        QTest::mouseClick(l.cmdBrookhop(), Qt::LeftButton);
        QVERIFY(!ui::visible(l.cmdBrookhop()));
        QVERIFY(!ui::visible(l.cmdSpinzo()));
        QVERIFY(!l.isVisible());
        QVERIFY(form<frmSplashBrookhop>().isVisible());
        QCOMPARE(ui::Program::instance().activeForm(), &form<frmSplashBrookhop>());
    }

    void f11TogglesFullScreen()
    {
        frmSkydash &l = form<frmSkydash>();
        l.show();
        QTest::keyClick(l.view(), Qt::Key_F11);
        QVERIFY(l.view()->windowState() & Qt::WindowFullScreen);
        QTest::keyClick(l.view(), Qt::Key_F11);
        QVERIFY(!(l.view()->windowState() & Qt::WindowFullScreen));
        QVERIFY(l.view()->windowState() & Qt::WindowMaximized);
    }

    void exitUnloadsEveryWindowAndEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("menu") << "menu";
        QTest::newRow("close box") << "close";
    }
    void exitUnloadsEveryWindowAndEnds()
    {
        QFETCH(QString, how);
        form<frmLogon>().load(); // the hidden logon dialog
        frmSkydash &l = form<frmSkydash>();
        l.show();
        l.mnuBrookhop_Click();
        l.show();
        form<frmSplashSpinzo>().load();
        if (how == "button")
            QTest::mouseClick(l.cmdExit(), Qt::LeftButton);
        else if (how == "menu")
            l.mnuExit()->trigger();
        else
            l.view()->close();
        QCOMPARE(fx.endCount, 1);
        QVERIFY(!form<frmLogon>().isLoaded());
        QVERIFY(!form<frmSplashBrookhop>().isLoaded());
        QVERIFY(!form<frmSplashSpinzo>().isLoaded());
        QVERIFY(!l.isVisible());
    }
};

PLAYHAVEN_TEST(LauncherTest)
#include "tst_launcher.moc"
