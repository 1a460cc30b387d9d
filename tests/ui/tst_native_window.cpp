// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/FormView.h"

#include <QMessageBox>
#include <QTest>
#include <QWindow>

using ui::form;

namespace {

class WideForm : public ProbeForm {
    Q_OBJECT
public:
    WideForm()
        : ProbeForm(QStringLiteral("WideForm"))
    {
    }

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f = ProbeForm::formDesign();
        f.maximized = true;
        f.centred = false;
        return f;
    }
};

bool hasNativeWindow(ui::Form &f)
{
    return f.view()->testAttribute(Qt::WA_WState_Created) && f.view()->windowHandle();
}

} // namespace

// A hidden window gives its native window and back buffer back to the system; showing it again
// brings it back as it was.
class NativeWindowTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    void aHiddenWindowLetsGoOfItsNativeWindowAndComesBackAsItWas()
    {
        WideForm &f = form<WideForm>();
        f.show();
        QVERIFY(hasNativeWindow(f));
        QVERIFY(f.view()->windowHandle()->windowStates() & Qt::WindowMaximized);
        f.txtName()->setText(QStringLiteral("kept"));
        f.lblCaption()->setCaption(QStringLiteral("changed"));
        const QRect geometry = f.view()->geometry();

        f.hide();
        QVERIFY(hasNativeWindow(f)); // not within the call: the hide may come from its own event
        QTRY_VERIFY(!hasNativeWindow(f));
        QVERIFY(f.isLoaded());

        f.show();
        QVERIFY(hasNativeWindow(f));
        QVERIFY(f.isVisible());
        QVERIFY(f.view()->windowHandle()->windowStates() & Qt::WindowMaximized);
        QCOMPARE(f.view()->geometry(), geometry);
        QCOMPARE(f.txtName()->text(), QStringLiteral("kept"));
        QCOMPARE(f.lblCaption()->Caption(), QStringLiteral("changed"));
        QCOMPARE(ui::Program::instance().activeForm(), &f);

        // A modal show of a released window works the same way.
        f.hide();
        QTRY_VERIFY(!hasNativeWindow(f));
        QTimer::singleShot(0, &f, [&] {
            QVERIFY(hasNativeWindow(f));
            f.hide();
        });
        QVERIFY(f.showModal());
        QTRY_VERIFY(!hasNativeWindow(f));
    }

    // A window hidden by its own handler keeps its native window until the handler is done,
    // even when the handler waits in a nested loop meanwhile.
    void notWhileAHandlerRuns()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        bool keptDuringHandler = false;
        f.onGo = [&] {
            f.hide();
            QTest::qWait(100);
            keptDuringHandler = hasNativeWindow(f);
        };
        f.cmdGo()->click();
        QVERIFY(keptDuringHandler);
        QTRY_VERIFY(!hasNativeWindow(f));
    }

    // A hidden window whose own message box is still open keeps its native window.
    void notWhileOneOfItsOwnWindowsShows()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        auto *box = new QMessageBox(
            QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Ok, f.view());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        f.hide();
        QTest::qWait(50);
        QVERIFY(hasNativeWindow(f));
        QVERIFY(!qobject_cast<ui::FormView *>(f.view())->releaseNativeWindow());
        box->close();
        QVERIFY(qobject_cast<ui::FormView *>(f.view())->releaseNativeWindow());
        QVERIFY(!hasNativeWindow(f));
    }

    // Timers of a released window go on, and unloading it needs no native window.
    void timersRunAndUnloadWorksWhileReleased()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        f.hide();
        QTRY_VERIFY(!hasNativeWindow(f));
        f.tmrTick()->setEnabled(true);
        QTRY_VERIFY(f.ticks > 3);
        f.unload();
        QVERIFY(!f.isLoaded());
        ProgramFixture::settle();
        f.show();
        QVERIFY(hasNativeWindow(f));
        QCOMPARE(f.loads, 2);
    }
};

PLAYHAVEN_TEST(NativeWindowTest)
#include "tst_native_window.moc"
