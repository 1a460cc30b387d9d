// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/DropEvents.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Dialogs.h"
#include "ui/Drag.h"
#include "ui/Geometry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>

using ui::form;

// The window semantics every window relies on: single instances, load and unload with
// variables that survive, modal shows, activation, and the end of the program.
class WindowLayerTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    void touchingAControlLoadsTheWindow()
    {
        ProbeForm &f = form<ProbeForm>();
        QVERIFY(!f.isLoaded());
        QCOMPARE(f.lblCaption()->Caption(), QStringLiteral("design caption"));
        QVERIFY(f.isLoaded());
        QVERIFY(!f.isVisible());
        QCOMPARE(f.loads, 1);
        QCOMPARE(ui::Program::instance().loadedForms(), QList<ui::Form *> { &f });
    }

    void reloadRestoresDesignStateButKeepsVariables()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        f.counter = 41;
        f.lblCaption()->setCaption(QStringLiteral("changed"));
        f.cmdGo()->hide();
        f.unload();
        QVERIFY(!f.isLoaded());
        QCOMPARE(f.unloads, 1);
        QVERIFY(ui::Program::instance().loadedForms().isEmpty());
        f.show();
        QCOMPARE(f.loads, 2);
        QCOMPARE(f.counter, 41);
        QCOMPARE(f.lblCaption()->Caption(), QStringLiteral("design caption"));
        QVERIFY(ui::visible(f.cmdGo()));
        QVERIFY(&form<ProbeForm>() == &f);
    }

    void unloadOfAnUnloadedWindowDoesNothing()
    {
        ProbeForm &f = form<ProbeForm>();
        f.unload();
        QCOMPARE(f.unloads, 0);
        f.load();
        f.unload();
        f.unload();
        QCOMPARE(f.unloads, 1); // and Form_Unload's own unload of itself did nothing more
        QCOMPARE(f.loads, 1);
    }

    void ownVisibleAndEnabledFlagsDoNotFollowTheWindow()
    {
        ProbeForm &f = form<ProbeForm>();
        QVERIFY(ui::visible(f.cmdGo())); // loaded but not shown
        f.fraGroup()->setEnabled(false);
        QVERIFY(ui::enabled(f.optA())); // its frame is disabled, not the option itself
        f.optB()->setEnabled(false);
        QVERIFY(!ui::enabled(f.optB()));
        f.show();
        f.cmdGo()->hide();
        f.hide();
        QVERIFY(!ui::visible(f.cmdGo()));
        QVERIFY(ui::visible(f.cmdCancel()));
        f.cmdGo()->show(); // shown while its window is hidden
        QVERIFY(ui::visible(f.cmdGo()));
    }

    void modalShowReturnsWhenHidden()
    {
        ProbeForm &f = form<ProbeForm>();
        QTimer::singleShot(0, [&f] { f.hide(); });
        QVERIFY(f.showModal());
        QVERIFY(f.isLoaded());
        QVERIFY(!f.isVisible());
    }

    void modalShowReturnsWhenUnloaded()
    {
        ProbeForm &f = form<ProbeForm>();
        QTimer::singleShot(0, [&f] { f.unload(); });
        QVERIFY(f.showModal());
        QVERIFY(!f.isLoaded());
    }

    void nestedModalShowsOfOneWindowBothReturnAfterTheInnerHide()
    {
        // A handler waiting in a modal show of its own window, while a nested handler hides the
        // window and shows it modally again: the outer wait is over too, but it can only return
        // after the inner one.
        ProbeForm &f = form<ProbeForm>();
        QStringList order;
        QTimer::singleShot(0, [&] {
            f.hide();
            QTimer::singleShot(0, [&] { f.hide(); });
            QVERIFY(f.showModal());
            order << "inner returned";
        });
        QVERIFY(f.showModal());
        order << "outer returned";
        QCOMPARE(order, (QStringList { "inner returned", "outer returned" }));
    }

    void endInsideNestedModalShowsStopsEveryWait()
    {
        ProbeForm &outer = form<ProbeForm>();
        OtherForm &inner = form<OtherForm>();
        QStringList ran;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] { ui::End(); });
            ran << (inner.showModal() ? "inner went on" : "inner saw the end");
        });
        ran << (outer.showModal() ? "outer went on" : "outer saw the end");
        QCOMPARE(ran, (QStringList { "inner saw the end", "outer saw the end" }));
        QCOMPARE(fx.endCount, 1);
        // After the end no window operation does anything.
        outer.show();
        QVERIFY(!outer.isVisible());
        QCOMPARE(ui::MsgBox("ignored", ui::MsgButtons::YesNo), ui::MsgResult::No);
        QVERIFY(fx.dialogs.shown.isEmpty());
    }

    void endTerminatesTheRealProcessFromANestedModalShow()
    {
        // The program's own end: nothing after it runs, at any level of the stack.
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(END_PROBE_PATH), {});
        QVERIFY(probe.waitForFinished(30000));
        const QString out = QString::fromUtf8(probe.readAllStandardOutput());
        QCOMPARE(out.split('\n', Qt::SkipEmptyParts),
            (QStringList { "outer handler starts", "inner handler starts", "ending" }));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
    }

    void activationFollowsShowHideAndUnload()
    {
        ProbeForm &a = form<ProbeForm>();
        OtherForm &b = form<OtherForm>();
        a.show();
        QCOMPARE(a.activations, 1);
        b.show();
        QCOMPARE(b.activations, 1);
        b.hide(); // activation goes back to the window seen last
        QCOMPARE(a.activations, 2);
        b.show();
        QCOMPARE(b.activations, 2);
        b.unload();
        QCOMPARE(a.activations, 3);
        a.show(); // already active: no new activation
        QCOMPARE(a.activations, 3);
        QCOMPARE(ui::Program::instance().activeForm(), &a);
    }

    void activationByTheUserBetweenProgramWindows()
    {
        ProbeForm &a = form<ProbeForm>();
        OtherForm &b = form<OtherForm>();
        a.show();
        b.show();
        QCOMPARE(a.activations, 1);
        QTRY_COMPARE(QGuiApplication::focusWindow(), b.view()->windowHandle());
        QCOMPARE(a.activations, 1);
        // The user clicks the other window: the platform moves the focus.
        QTest::mousePress(a.view()->client(), Qt::LeftButton);
        QTest::mouseRelease(a.view()->client(), Qt::LeftButton);
        a.view()->activateWindow();
        QTRY_COMPARE(a.activations, 2);
        QCOMPARE(ui::Program::instance().activeForm(), &a);
    }

    void lateFocusReportsDoNotTakeActivationBack()
    {
        // Windows shown one after the other: whatever order the platform (or a window manager)
        // reports their focus in, the window shown last stays the active one.
        ProbeForm &a = form<ProbeForm>();
        OtherForm &b = form<OtherForm>();
        ThirdForm &c = form<ThirdForm>();
        a.show();
        b.show();
        c.show();
        a.view()->activateWindow(); // a stale request reaching the platform late
        QTest::qWait(100);
        QCOMPARE(ui::Program::instance().activeForm(), &c);
        QCOMPARE(a.activations, 1);
        QCOMPARE(b.activations, 1);
    }

    void aReturnThroughTheWindowManagerRunsActivateHoweverSoon()
    {
        // The user opens another window and comes straight back to the first through the window
        // manager (Alt+Tab, its title bar): no key or mouse event reaches the program, only the
        // focus report, soon after the layer activated the other window.
        ProbeForm &a = form<ProbeForm>();
        OtherForm &b = form<OtherForm>();
        a.show();
        QTest::qWait(800);
        QElapsedTimer sinceShow;
        sinceShow.start();
        b.show();
        QTRY_COMPARE(QGuiApplication::focusWindow(), b.view()->windowHandle());
        a.view()->activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(a.activations, 2, 400);
        QVERIFY2(sinceShow.elapsed() < 750, "the return came later than late reports are ignored");
        QCOMPARE(ui::Program::instance().activeForm(), &a);
        QCOMPARE(b.activations, 1);
        // A late report for the window the layer activated meanwhile does not take it back.
        QTest::qWait(10);
        QCOMPARE(ui::Program::instance().activeForm(), &a);
    }

    void closingARealMessageBoxDoesNotActivateAgain()
    {
        ProbeForm &a = form<ProbeForm>();
        a.show();
        QCOMPARE(a.activations, 1);
        ui::setDialogs(nullptr); // the program's own Qt message box
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Playhaven"));
            box->accept();
        });
        ui::MsgBox(QStringLiteral("hello"));
        QCoreApplication::processEvents();
        ui::setDialogs(&fx.dialogs);
        QCOMPARE(a.activations, 1);
        QCOMPARE(ui::Program::instance().activeForm(), &a);
    }

    void aHandlerMayUnloadItsOwnWindow()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QPointer<QWidget> oldView = f.view();
        ui::Button *button = f.cmdGo();
        f.onGo = [&f, button] {
            f.unload();
            button->setText(QStringLiteral("still here")); // its own control, after the unload
        };
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.goClicks, 1);
        QVERIFY(!f.isLoaded());
        QVERIFY(oldView); // kept until the handler has returned...
        ProgramFixture::settle();
        QVERIFY(!oldView); // ...then destroyed
    }

    void aWindowUnloadedUnderAWaitingHandlerStaysUsableUntilItReturns()
    {
        ProbeForm &f = form<ProbeForm>();
        OtherForm &dialog = form<OtherForm>();
        f.show();
        QPointer<QWidget> oldView = f.view();
        ui::Label *label = f.lblCaption();
        f.onGo = [&] {
            QTimer::singleShot(0, [&] {
                f.unload(); // e.g. its close box, while the handler waits
                ProgramFixture::settle(); // deferred deletions get a chance to run
                dialog.hide();
            });
            QVERIFY(dialog.showModal());
            label->setCaption(QStringLiteral("after the wait"));
        };
        QTest::mouseClick(f.cmdGo(), Qt::LeftButton);
        QVERIFY(!f.isLoaded());
        ProgramFixture::settle();
        QVERIFY(!oldView);
        // The next touch loads the window afresh.
        QCOMPARE(f.lblCaption()->Caption(), QStringLiteral("design caption"));
    }

    void timersFireWhileHiddenAndStopOnUnload()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        f.hide();
        QCOMPARE(f.tmrTick()->Interval(), 1);
        QVERIFY(!f.tmrTick()->Enabled());
        f.tmrTick()->setEnabled(true);
        QTRY_VERIFY(f.ticks >= 3);
        f.unload();
        const int ticks = f.ticks;
        QTest::qWait(20);
        QCOMPARE(f.ticks, ticks);
        QVERIFY(!f.tmrTick()->Enabled()); // reloaded from its design state
    }

    void optionButtonsRunClickOnlyWhenTheyBecomeSelected()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QTest::mouseClick(f.optA(), Qt::LeftButton);
        QCOMPARE(f.optAClicks, 1);
        QTest::mouseClick(f.optA(), Qt::LeftButton); // already selected
        QCOMPARE(f.optAClicks, 1);
        QVERIFY(f.optA()->Value());
        f.optA()->setValue(false); // code can leave the group with no selection
        QVERIFY(!f.optA()->Value());
        QVERIFY(!f.optB()->Value());
        QCOMPARE(f.optAClicks, 1);
        QTest::mouseClick(f.optA(), Qt::LeftButton);
        QCOMPARE(f.optAClicks, 2);
        QTest::mouseClick(f.optB(), Qt::LeftButton);
        QVERIFY(!f.optA()->Value());
        f.optA()->setValue(true); // selecting by code counts as choosing it
        QCOMPARE(f.optAClicks, 3);
    }

    void enterPressesTheDefaultButtonOnlyWhileEnabledAndEscCancels()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        f.txtName()->setFocus();
        QTest::keyClick(f.txtName(), Qt::Key_Return);
        QCOMPARE(f.goClicks, 1);
        f.cmdGo()->setEnabled(false);
        QTest::keyClick(f.txtName(), Qt::Key_Return);
        QCOMPARE(f.goClicks, 1);
        QTest::keyClick(f.txtName(), Qt::Key_Escape);
        QCOMPARE(f.cancelClicks, 1);
    }

    void labelsKeepTheirCaptionExactlyAndBreakAtCrLf()
    {
        ProbeForm &f = form<ProbeForm>();
        const QString caption = QStringLiteral("\r\n\r\n          two  spaces\r\nnext");
        f.lblCaption()->setCaption(caption);
        QCOMPARE(f.lblCaption()->Caption(), caption);
        QCOMPARE(f.lblCaption()->text(), QStringLiteral("\n\n          two  spaces\nnext"));
        QVERIFY(f.lblCaption()->wordWrap());
    }

    void geometryIsKeptInTwipsAsSet()
    {
        ProbeForm &f = form<ProbeForm>();
        f.cmdGo()->setTop(7679.5);
        QCOMPARE(f.cmdGo()->Top(), 7679.5);
        QCOMPARE(f.cmdGo()->geometry().y(), ui::twipsToPixels(7679.5));
        QCOMPARE(f.cmdGo()->Left(), 3240.0);
        QCOMPARE(f.view()->client()->size(), QSize(ui::twipsToPixels(6000), ui::twipsToPixels(4000)));
    }

    void dropsReachAStoneOnlyOnItsOwnSurface()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        ui::Image *marker = f.imgMarker(0);
        auto drop = [](QWidget *target, QMimeData *mime) { sendDrop(target, QPoint(2, 2), mime); };
        drop(f.picStone(1), ui::dragPayload(marker));
        QCOMPARE(f.drops, (QList<std::pair<int, QString>> { { 1, QStringLiteral("BICYCLE") } }));
        // On the marker picture inside stone 0: nothing, not even the stone underneath.
        drop(marker, ui::dragPayload(marker));
        QCOMPARE(f.drops.size(), 1);
        // Text dragged in from another program is refused.
        auto *text = new QMimeData;
        text->setText(QStringLiteral("hello"));
        drop(f.picStone(0), text);
        QCOMPARE(f.drops.size(), 1);
        QCOMPARE(ui::dragSource(nullptr), nullptr);
    }

    void messageBoxesCarryTheProgramTitle()
    {
        ui::setDialogs(nullptr);
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Playhaven"));
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
            box->button(QMessageBox::Yes)->click();
        });
        const ui::MsgResult r = ui::MsgBox(QStringLiteral("Go on?"), ui::MsgButtons::YesNo, ui::MsgIcon::Question);
        ui::setDialogs(&fx.dialogs);
        QCOMPARE(r, ui::MsgResult::Yes);
    }

    void boxesAreWideEnoughForTheirTitle()
    {
        // A short text must not squeeze the title bar to "P...n": the box is as wide as its
        // title in a bold title font, with room for the buttons of the title bar.
        ui::setDialogs(nullptr);
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        const QFontMetrics metrics(titleFont);
        QList<std::pair<QString, int>> seen;
        auto record = [&seen] {
            QTimer::singleShot(0, [&seen] {
                auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(box);
                seen.append({ box->windowTitle(), box->width() });
                box->reject();
            });
        };
        record();
        ui::MsgBox(QStringLiteral("Hi!"));
        const QString longTitle = QStringLiteral("A title very much longer than the text of the box");
        record();
        ui::MsgBox(QStringLiteral("Hi!"), ui::MsgButtons::OK, ui::MsgIcon::Exclamation, longTitle);
        record();
        ui::InputBox(QStringLiteral("Name?"), longTitle);
        ui::setDialogs(&fx.dialogs);
        QCOMPARE(seen.size(), 3);
        for (const auto &[title, width] : seen)
            QVERIFY2(width >= metrics.horizontalAdvance(title) + 3 * metrics.height(), qPrintable(title));
    }
};

PLAYHAVEN_TEST(WindowLayerTest)
#include "tst_window_layer.moc"
