// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RocketRace.h"
#include "shell/Startup.h"
#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Geometry.h"
#include "ui/Random.h"

#include <vector>

#include <QAction>
#include <QTest>

using ui::form;

Q_DECLARE_METATYPE(std::vector<float>)

class LauncherTest : public QObject {
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

    // The logon dialog is the program's first and only window; the launcher, not yet loaded,
    // is already where the games go back to.
    void theProgramStartsWithTheLogonAndTheLauncherAsHome()
    {
        startPlayhaven();
        QVERIFY(form<frmLogon>().isVisible());
        QCOMPARE(ui::Program::instance().loadedForms(), QList<ui::Form *> { &form<frmLogon>() });
        ui::ShowHome();
        QVERIFY(form<frmSkydash>().isVisible());
        QCOMPARE(fx.homeCount, 0);
    }

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

    void raceTicks_data()
    {
        // Int(Rnd * 41 + 20): 0 gives 20, 0.5 gives 40 (floored, not rounded), just under 1
        // gives 60. The left rocket draws first.
        QTest::addColumn<double>("top1");
        QTest::addColumn<double>("top2");
        QTest::addColumn<float>("rnd1");
        QTest::addColumn<float>("rnd2");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<double>("after1");
        QTest::addColumn<double>("after2");
        QTest::addColumn<int>("draws");
        const int racing = int(RaceOutcome::Racing);
        QTest::newRow("left draws first") << 100.0 << 100.0 << 0.0f << 0.99999f << racing << 80.0 << 40.0 << 2;
        QTest::newRow("left step is whole") << 100.0 << 100.0 << 0.99999f << 0.0f << racing << 40.0 << 80.0 << 2;
        QTest::newRow("halves floor") << 7680.0 << 7680.0 << 0.5f << 0.5f << racing << 7640.0 << 7640.0 << 2;
        QTest::newRow("largest draw") << 61.0 << 61.0 << 0.99999994f << 0.99999994f << racing << 1.0 << 1.0 << 2;
        QTest::newRow("reaching 0 is not yet the finish")
            << 20.0 << 100.0 << 0.0f << 0.0f << racing << 0.0 << 80.0 << 2;
        QTest::newRow("both reach 0 in one tick") << 20.0 << 60.0 << 0.0f << 0.99999f << racing << 0.0 << 0.0 << 2;
        QTest::newRow("left at exactly 0")
            << 0.0 << 80.0 << 0.5f << 0.5f << int(RaceOutcome::LeftWins) << raceStartTop << raceStartTop << 0;
        QTest::newRow("right past the top")
            << 1.0 << -1.0 << 0.5f << 0.5f << int(RaceOutcome::RightWins) << raceStartTop << raceStartTop << 0;
        QTest::newRow("tie") << 0.0 << 0.0 << 0.5f << 0.5f << int(RaceOutcome::Tie) << raceStartTop << raceStartTop
                             << 0;
        QTest::newRow("tie past the top")
            << -5.0 << -40.0 << 0.5f << 0.5f << int(RaceOutcome::Tie) << raceStartTop << raceStartTop << 0;
    }
    void raceTicks()
    {
        QFETCH(double, top1);
        QFETCH(double, top2);
        QFETCH(float, rnd1);
        QFETCH(float, rnd2);
        QFETCH(int, outcome);
        QFETCH(double, after1);
        QFETCH(double, after2);
        QFETCH(int, draws);
        RaceRockets r { top1, top2 };
        int drawn = 0;
        auto rnd = [&] { return drawn++ == 0 ? rnd1 : rnd2; };
        QCOMPARE(int(raceTick(r, rnd)), outcome);
        QCOMPARE(r.top1, after1);
        QCOMPARE(r.top2, after2);
        QCOMPARE(drawn, draws); // the finishing tick draws nothing
    }

    void theFinishRevealsTheWinnersButtons_data()
    {
        QTest::addColumn<double>("top1");
        QTest::addColumn<double>("top2");
        QTest::addColumn<bool>("brookhop");
        QTest::addColumn<bool>("spinzo");
        QTest::newRow("left reaches exactly 0") << 20.0 << 100.0 << true << false;
        QTest::newRow("right passes the top") << 100.0 << 10.0 << false << true;
        QTest::newRow("tie in one tick") << 20.0 << 5.0 << true << true;
    }
    void theFinishRevealsTheWinnersButtons()
    {
        QFETCH(double, top1);
        QFETCH(double, top2);
        QFETCH(bool, brookhop);
        QFETCH(bool, spinzo);
        frmSkydash &l = form<frmSkydash>();
        l.show();
        ui::setRandomSequence({ 0.0f }); // every step 20
        QTest::mouseClick(l.cmdStart(), Qt::LeftButton);
        l.imgRocket1()->setTop(top1);
        l.imgRocket2()->setTop(top2);
        l.tmrSkydash_Timer(); // the move that reaches the top ...
        QVERIFY(l.tmrSkydash()->Enabled());
        QVERIFY(!ui::visible(l.cmdBrookhop()) && !ui::visible(l.cmdSpinzo()));
        QCOMPARE(l.imgRocket1()->Top(), top1 - 20);
        l.tmrSkydash_Timer(); // ... is seen on the next tick
        QVERIFY(!l.tmrSkydash()->Enabled());
        QCOMPARE(ui::visible(l.cmdBrookhop()), brookhop);
        QCOMPARE(ui::visible(l.cmdSpinzo()), spinzo);
        QCOMPARE(l.imgRocket1()->Top(), 7680.0);
        QCOMPARE(l.imgRocket2()->Top(), 7680.0);
        QCOMPARE(l.imgRocket1()->y(), ui::twipsToPixels(7680)); // on screen too
    }

    void seededRacesLastTheirExactNumberOfTicks_data()
    {
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("brookhop");
        QTest::addColumn<bool>("spinzo");
        QTest::newRow("slowest, a tie") << std::vector<float> { 0.0f } << 385 << true << true;
        QTest::newRow("fastest, a tie") << std::vector<float> { 0.99999f } << 129 << true << true;
        QTest::newRow("right always faster") << std::vector<float> { 0.0f, 0.99999f } << 129 << false << true;
        QTest::newRow("left one twip faster") << std::vector<float> { 0.5f, 0.47f } << 193 << true << false;
    }
    void seededRacesLastTheirExactNumberOfTicks()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(int, ticks);
        QFETCH(bool, brookhop);
        QFETCH(bool, spinzo);
        frmSkydash &l = form<frmSkydash>();
        l.show();
        ui::setRandomSequence(draws);
        l.cmdStart_Click();
        int n = 0;
        double lastTop = l.imgRocket1()->Top();
        bool movedEveryTick = true;
        while (l.tmrSkydash()->Enabled() && n < 1000) {
            l.tmrSkydash_Timer();
            ++n;
            if (l.tmrSkydash()->Enabled()) {
                movedEveryTick = movedEveryTick && l.imgRocket1()->Top() < lastTop;
                lastTop = l.imgRocket1()->Top();
            }
        }
        QCOMPARE(n, ticks); // the moving ticks, then the one that sees the finish
        QVERIFY(movedEveryTick);
        QCOMPARE(ui::visible(l.cmdBrookhop()), brookhop);
        QCOMPARE(ui::visible(l.cmdSpinzo()), spinzo);
    }

    void theRaceTimerKeepsFiringWhileTheLauncherIsHidden()
    {
        frmSkydash &l = form<frmSkydash>();
        l.show();
        QTest::mouseClick(l.cmdStart(), Qt::LeftButton);
        l.hide();
        // Waits for the real timer's first tick, not for a time.
        QTRY_VERIFY(l.imgRocket1()->Top() < 7680);
        QVERIFY(l.tmrSkydash()->Enabled());
        QVERIFY(!l.isVisible());
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
