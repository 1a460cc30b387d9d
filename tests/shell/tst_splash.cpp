// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/frmBrookhop.h"
#include "shell/GlidePacer.h"
#include "shell/Startup.h"
#include "shell/frmSkydash.h"
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "spinner/frmSpinzo.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/FormView.h"
#include "ui/Geometry.h"

#include <QPointer>
#include <QScreen>
#include <QTest>
#include <functional>

using ui::form;

namespace {

constexpr quint32 red = 0x000000FF, green = 0x0000FF00, yellow = 0x0000FFFF, cyan = 0x00FFFF00;
constexpr quint32 white = 0x00FFFFFF, blue = 0x00FF0000;

// Hands out one glide step at a time, with a hook before each, and gives up (ending the
// program) if a glide never ends.
class StepPacer : public GlidePacer {
public:
    std::function<void(int)> beforeStep;
    int steps = 0;
    static constexpr int limit = 100000;

    void start() override { steps = 0; }
    int waitForSteps() override
    {
        ++steps;
        if (beforeStep)
            beforeStep(steps);
        if (steps > limit)
            ui::End();
        return 1;
    }
};

// A timer fires only while it is enabled.
void tick(ui::Timer *timer)
{
    QVERIFY(timer->Enabled());
    emit timer->Tick();
}

// Either splash window, with the controls both declare.
struct Splash {
    SplashWindow &window;
    std::function<ui::Timer *()> tmrBackColorHold;
    std::function<ui::Frame *()> fraLogo;
    std::function<ui::Button *()> cmdGame;
};

template <class Window> Splash splashOf(Window &w)
{
    return { w, [&w] { return w.tmrBackColorHold(); }, [&w] { return w.fraLogo(); }, [&w] { return w.cmdGame(); } };
}

void clickLogoFrame(const Splash &splash)
{
    QTest::mouseClick(splash.fraLogo(), Qt::LeftButton, {}, QPoint(3, 3));
}

} // namespace

class SplashTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;
    StepPacer pacer;

    // Opens a splash the way the launcher's "Games" menu does; on the board splash also runs
    // the opening up to the logo frame.
    Splash open(const QString &game)
    {
        frmSkydash &launcher = form<frmSkydash>();
        launcher.show();
        if (game == "Spinzo") {
            launcher.mnuSpinzo()->trigger();
            return splashOf(form<frmSplashSpinzo>());
        }
        launcher.mnuBrookhop()->trigger();
        frmSplashBrookhop &s = form<frmSplashBrookhop>();
        while (!ui::visible(s.cmdGo()))
            tick(s.tmrGo());
        QTest::mouseClick(s.cmdGo(), Qt::LeftButton);
        return splashOf(s);
    }

    static QList<quint32> colours(const QString &game)
    {
        if (game == "Spinzo")
            return { red, white, blue };
        return { red, green, yellow, cyan };
    }

    static ui::Form &gameWindow(const QString &game)
    {
        return game == "Spinzo" ? static_cast<ui::Form &>(form<frmSpinzo>()) : form<frmBrookhop>();
    }

    static bool gameWindowVisible(const QString &game) { return gameWindow(game).isVisible(); }

    static void bothGames()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("ticks");
        QTest::newRow("Brookhop") << "Brookhop" << 40;
        QTest::newRow("Spinzo") << "Spinzo" << 30;
    }

private slots:
    void init()
    {
        fx.restart();
        installHome(); // the launcher, as the program has it
        pacer.beforeStep = nullptr;
        SplashWindow::setGlidePacer(&pacer);
    }
    void cleanup() { SplashWindow::setGlidePacer(nullptr); }

    void splashWindowsAreBorderedCentredAndWithoutTitle()
    {
        for (ui::Form *f : { static_cast<ui::Form *>(&form<frmSplashBrookhop>()),
                 static_cast<ui::Form *>(&form<frmSplashSpinzo>()) }) {
            f->show();
            ui::FormView *v = f->view();
            QVERIFY(v->windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(v->dialogFrame() > 0);
            QCOMPARE(v->minimumSize(), v->maximumSize());
            QCOMPARE(v->client()->width(), ui::twipsToPixels(10245));
            const QRect screen = v->screen()->availableGeometry();
            QVERIFY(qAbs(v->frameGeometry().center().y() - screen.center().y()) <= 1);
            QCOMPARE(f->Caption(), QString());
            QCOMPARE(f->BackColor(), blue);
        }
        frmSplashBrookhop &b = form<frmSplashBrookhop>();
        const QStringList tags = { b.imgBicycle(0)->Tag(), b.imgCars(0)->Tag(), b.imgPlane(0)->Tag() };
        QCOMPARE(tags, (QStringList { "BICYCLE", "CARS", "PLANE" }));
        QVERIFY(b.imgCars(0)->AutomaticDrag() && !b.imgCars(0)->DragIcon().isNull() && b.imgCars(0)->Stretch());
        QCOMPARE(b.lblProductName()->Caption(), QStringLiteral("Brookhop"));
        QCOMPARE(b.lblCompanyProduct()->Caption(), QStringLiteral("Orvik Product"));
        frmSplashSpinzo &s = form<frmSplashSpinzo>();
        QVERIFY(s.imgLogo()->hasAnimation() && s.imgLogo()->Stretch());
        QCOMPARE(s.lblProductName()->Caption(), QStringLiteral("Spinzo"));
        // The labels take the size of their text.
        QCOMPARE(s.lblVersion()->size(), s.lblVersion()->sizeHint());
        QCOMPARE(s.lblVersion()->Caption(), QStringLiteral("Version 1.3"));
    }

    // "On Your Mark!" then "Get Set!" cross in 100-twip steps; then "GO!" leads to the logo.
    void boardSplashOpensWithTheSlidingLabels()
    {
        form<frmSkydash>().show();
        form<frmSkydash>().mnuBrookhop()->trigger();
        frmSplashBrookhop &s = form<frmSplashBrookhop>();
        QCOMPARE(ui::Program::instance().activeForm(), &s);
        QVERIFY(ui::visible(s.lblOn()) && !ui::visible(s.lblGetSet()));
        QVERIFY(!ui::visible(s.fraLogo()) && !ui::visible(s.cmdGo()));
        QCOMPARE(s.tmrGo()->Interval(), 50);
        QCOMPARE(s.lblOn()->Left(), 0.0);
        tick(s.tmrGo());
        QCOMPARE(s.lblOn()->Left(), 100.0);
        for (int i = 1; i < 100; ++i)
            tick(s.tmrGo());
        QCOMPARE(s.lblOn()->Left(), 10000.0);
        QVERIFY(ui::visible(s.lblOn()) && !ui::visible(s.lblGetSet()));
        tick(s.tmrGo());
        QVERIFY(!ui::visible(s.lblOn()) && ui::visible(s.lblGetSet()));
        QCOMPARE(s.lblGetSet()->Left(), 100.0);
        for (int i = 1; i < 100; ++i)
            tick(s.tmrGo());
        QCOMPARE(s.lblGetSet()->Left(), 10000.0);
        QVERIFY(!ui::visible(s.cmdGo()));
        tick(s.tmrGo());
        QVERIFY(ui::visible(s.cmdGo()) && !ui::visible(s.lblGetSet()) && !s.tmrGo()->Enabled());
        QVERIFY(!ui::visible(s.fraLogo()));
        QTest::mouseClick(s.cmdGo(), Qt::LeftButton);
        QVERIFY(!ui::visible(s.cmdGo()) && ui::visible(s.fraLogo()) && ui::visible(s.cmdGame()));
    }

    // Each button takes the focus as it appears, so Enter or Space goes on without a mouse.
    void theButtonsThatAppearTakeTheKeyboard()
    {
        form<frmSkydash>().show();
        form<frmSkydash>().mnuBrookhop()->trigger();
        frmSplashBrookhop &s = form<frmSplashBrookhop>();
        for (int i = 0; i < 201; ++i)
            tick(s.tmrGo());
        QVERIFY(ui::visible(s.cmdGo()));
        QCOMPARE(s.view()->focusWidget(), s.cmdGo());
        QTest::keyClick(s.view(), Qt::Key_Return);
        QVERIFY(ui::visible(s.fraLogo()) && ui::visible(s.cmdGame()));
        QCOMPARE(s.view()->focusWidget(), s.cmdGame());
        s.unload();

        form<frmSkydash>().mnuSpinzo()->trigger();
        frmSplashSpinzo &z = form<frmSplashSpinzo>();
        QVERIFY(ui::visible(z.cmdGame()));
        QCOMPARE(z.view()->focusWidget(), z.cmdGame());
    }

    void theLabelsRestartAtEveryActivation()
    {
        frmSkydash &launcher = form<frmSkydash>();
        launcher.show();
        launcher.mnuBrookhop()->trigger();
        frmSplashBrookhop &s = form<frmSplashBrookhop>();
        for (int i = 0; i < 150; ++i)
            tick(s.tmrGo());
        QCOMPARE(s.lblGetSet()->Left(), 5000.0);
        launcher.show(); // another window of the program becomes active, then the splash again
        s.show();
        QCOMPARE(s.lblOn()->Left(), 0.0);
        QCOMPARE(s.lblGetSet()->Left(), 0.0);
        QVERIFY(ui::visible(s.lblOn()));
        tick(s.tmrGo());
        QCOMPARE(s.lblOn()->Left(), 100.0);
        // A second visit from the launcher starts from the design state as well.
        s.hide();
        clickLogoFrame(open("Brookhop"));
        QVERIFY(!s.isLoaded());
        launcher.mnuBrookhop()->trigger();
        QCOMPARE(s.lblOn()->Left(), 0.0);
        QVERIFY(ui::visible(s.lblOn()) && !ui::visible(s.fraLogo()) && s.tmrGo()->Enabled());
    }

    void colourTicksInListOrderThenTheGlideOpensTheGame_data() { bothGames(); }
    void colourTicksInListOrderThenTheGlideOpensTheGame()
    {
        QFETCH(QString, game);
        QFETCH(int, ticks);
        const Splash s = open(game);
        QCOMPARE(s.tmrBackColorHold()->Interval(), 500);
        QTest::mouseClick(s.cmdGame(), Qt::LeftButton);
        QVERIFY(!ui::visible(s.cmdGame()));
        const QList<quint32> list = colours(game);
        for (int n = 1; n <= ticks; ++n) {
            tick(s.tmrBackColorHold());
            QCOMPARE(s.window.BackColor(), list[(n - 1) % list.size()]);
        }
        QVERIFY(s.window.isLoaded() && !gameWindowVisible(game));
        const QPointer<ui::FormView> view = s.window.view();
        int topsSeen = 0;
        pacer.beforeStep = [&](int) {
            QCOMPARE(s.window.BackColor(), list.last()); // it keeps the last colour while it glides
            ++topsSeen;
        };
        tick(s.tmrBackColorHold());
        // Glided until wholly above the screen, then unloaded; the game window is shown.
        QVERIFY(view && view->frameGeometry().bottom() < 0);
        QVERIFY(topsSeen > 100);
        QVERIFY(!s.window.isLoaded());
        QVERIFY(gameWindowVisible(game));
        QVERIFY(!form<frmSkydash>().isVisible());
        QCOMPARE(fx.endCount, 0);
    }

    void logoFrameLeavesForTheLauncherAndTheNextCycleResumesTheList_data() { bothGames(); }
    void logoFrameLeavesForTheLauncherAndTheNextCycleResumesTheList()
    {
        QFETCH(QString, game);
        QFETCH(int, ticks);
        const QList<quint32> list = colours(game);
        const Splash s = open(game);
        QTest::mouseClick(s.cmdGame(), Qt::LeftButton);
        for (int n = 0; n < 5; ++n)
            tick(s.tmrBackColorHold());
        clickLogoFrame(s);
        QVERIFY(!s.window.isLoaded());
        QVERIFY(form<frmSkydash>().isVisible());
        QCOMPARE(ui::Program::instance().activeForm(), &form<frmSkydash>());
        QVERIFY(!gameWindowVisible(game));

        open(game);
        QCOMPARE(s.window.BackColor(), blue); // loaded afresh
        QTest::mouseClick(s.cmdGame(), Qt::LeftButton);
        // The first tick takes the list up where the last visit stopped; from then on the
        // colour follows this visit's count of ticks.
        tick(s.tmrBackColorHold());
        QCOMPARE(s.window.BackColor(), list[5 % list.size()]);
        for (int n = 2; n <= ticks; ++n) {
            tick(s.tmrBackColorHold());
            QCOMPARE(s.window.BackColor(), list[(n - 1) % list.size()]);
        }
        QVERIFY(s.window.isLoaded() && !gameWindowVisible(game)); // all colour ticks again ...
        tick(s.tmrBackColorHold());
        QVERIFY(!s.window.isLoaded()); // ... then the glide
        QVERIFY(gameWindowVisible(game));
    }

    // The logo frame leaves for wherever the games go home to, not for a window of its own.
    void theLogoFrameGoesHomeAsTheGamesDo_data() { bothGames(); }
    void theLogoFrameGoesHomeAsTheGamesDo()
    {
        QFETCH(QString, game);
        const Splash s = open(game);
        QVERIFY(!form<frmSkydash>().isVisible());
        ui::setHome([this] { ++fx.homeCount; });
        clickLogoFrame(s);
        QCOMPARE(fx.homeCount, 1);
        QVERIFY(!s.window.isLoaded());
        QVERIFY(!form<frmSkydash>().isVisible());
    }

    // A window manager may refuse moves above the screen; the glide must end all the same.
    void theGlideEndsWhenTheWindowCannotBeMoved()
    {
        const Splash s = open("Spinzo");
        QTest::mouseClick(s.cmdGame(), Qt::LeftButton);
        for (int n = 0; n <= 30; ++n)
            tick(s.tmrBackColorHold());
        const int freeSteps = pacer.steps;
        QVERIFY(gameWindowVisible("Spinzo"));

        form<frmSpinzo>().hide();
        open("Spinzo");
        QTest::mouseClick(s.cmdGame(), Qt::LeftButton);
        for (int n = 0; n < 30; ++n)
            tick(s.tmrBackColorHold());
        const QPoint pinned = s.window.view()->pos();
        const QPointer<ui::FormView> view = s.window.view();
        int held = 0;
        pacer.beforeStep = [&](int) {
            view->move(pinned); // undo the last move
            held += view->pos() == pinned ? 1 : 0;
        };
        tick(s.tmrBackColorHold());
        QCOMPARE(held, pacer.steps);
        QCOMPARE(fx.endCount, 0); // it did not run into the pacer's limit
        QCOMPARE(pacer.steps, freeSteps);
        QVERIFY(!s.window.isLoaded());
        QVERIFY(gameWindowVisible("Spinzo"));
    }

    // Once the glide has begun, a click on the logo frame does nothing: no launcher, no second
    // unload, and the glide goes on to open the game.
    void aLogoClickDuringTheGlideIsIgnored_data() { bothGames(); }
    void aLogoClickDuringTheGlideIsIgnored()
    {
        QFETCH(QString, game);
        QFETCH(int, ticks);
        const Splash s = open(game);
        QTest::mouseClick(s.cmdGame(), Qt::LeftButton);
        for (int n = 0; n < ticks; ++n)
            tick(s.tmrBackColorHold());
        bool clicked = false;
        pacer.beforeStep = [&](int step) {
            if (step == 20) {
                QVERIFY(s.window.isGliding());
                clickLogoFrame(s);
                clicked = true;
                QVERIFY(s.window.isLoaded());
            }
        };
        tick(s.tmrBackColorHold());
        QVERIFY(clicked);
        QVERIFY(pacer.steps > 100); // the glide went on to its end
        QVERIFY(!s.window.isLoaded());
        QVERIFY(!form<frmSkydash>().isVisible());
        QVERIFY(gameWindowVisible(game));
        QCOMPARE(ui::Program::instance().activeForm(), &gameWindow(game));
    }

    // The whole round: from the launcher through the splash into the game, and back to the
    // launcher when the game's window is closed.
    void aGameThatEndsGoesBackToTheLauncher_data() { bothGames(); }
    void aGameThatEndsGoesBackToTheLauncher()
    {
        QFETCH(QString, game);
        QFETCH(int, ticks);
        const Splash s = open(game);
        QTest::mouseClick(s.cmdGame(), Qt::LeftButton);
        for (int n = 0; n <= ticks; ++n)
            tick(s.tmrBackColorHold());
        QVERIFY(gameWindowVisible(game) && !form<frmSkydash>().isVisible());
        gameWindow(game).view()->close();
        QVERIFY(!gameWindow(game).isLoaded());
        QVERIFY(form<frmSkydash>().isVisible());
        QCOMPARE(ui::Program::instance().activeForm(), &form<frmSkydash>());
        QCOMPARE(fx.homeCount, 0); // the launcher, not the fixture's recorder
        QCOMPARE(fx.endCount, 0);
    }
};

PLAYHAVEN_TEST(SplashTest)
#include "tst_splash.moc"
