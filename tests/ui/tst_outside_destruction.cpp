// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

using ui::form;

namespace {

class NoCloseBoxForm : public ProbeForm {
    Q_OBJECT
public:
    NoCloseBoxForm()
        : ProbeForm(QStringLiteral("NoCloseBoxForm"))
    {
    }

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f = ProbeForm::formDesign();
        f.controlBox = false;
        return f;
    }
};

// What a window manager's force close does to the program: the native window goes.
void destroyFromOutside(QWidget *window)
{
    QVERIFY(window && window->testAttribute(Qt::WA_WState_Created));
    ui::Program::instance().windowDestroyedFromOutside(window);
}

void destroyTheBoxOnceShown()
{
    QTimer::singleShot(0, [] { destroyFromOutside(QApplication::activeModalWidget()); });
}

} // namespace

// A window or box destroyed from outside counts as its close box: no wait is left that nothing
// can answer, and no window is left without a native window.
class OutsideDestructionTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init()
    {
        fx.restart();
        ui::setDialogs(nullptr);
    }
    void cleanup() { ui::setDialogs(&fx.dialogs); }

    void aBoxGivesItsEscAnswer()
    {
        form<ProbeForm>().show();
        destroyTheBoxOnceShown();
        QCOMPARE(ui::MsgBox(QStringLiteral("Wrong password")), ui::MsgResult::OK);
        destroyTheBoxOnceShown();
        QCOMPARE(ui::MsgBox(QStringLiteral("Play again?"), ui::MsgButtons::YesNo), ui::MsgResult::No);
        destroyTheBoxOnceShown();
        QCOMPARE(ui::InputBox(QStringLiteral("Name?")), QString());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(fx.endCount, 0);
    }

    void aWindowWithACloseBoxUnloadsAndItsModalWaitReturns()
    {
        ProbeForm &f = form<ProbeForm>();
        QTimer::singleShot(0, [&f] { destroyFromOutside(f.view()); });
        QVERIFY(f.showModal());
        QVERIFY(!f.isLoaded());
        QCOMPARE(f.unloads, 1);
    }

    void theWindowsEndTheProgramWhereItsCloseBoxWould()
    {
        ProbeForm &f = form<ProbeForm>();
        f.onUnload = [] { ui::End(); };
        QTimer::singleShot(0, [&f] { destroyFromOutside(f.view()); });
        QVERIFY(!f.showModal());
        QCOMPARE(fx.endCount, 1);
    }

    void aWindowWithoutACloseBoxComesBackOnANewNativeWindow()
    {
        NoCloseBoxForm &f = form<NoCloseBoxForm>();
        f.show();
        f.txtName()->setText(QStringLiteral("kept"));
        destroyFromOutside(f.view());
        QVERIFY(f.isLoaded());
        QVERIFY(f.isVisible());
        QVERIFY(f.view()->testAttribute(Qt::WA_WState_Created));
        QVERIFY(f.view()->windowHandle());
        QCOMPARE(f.txtName()->text(), QStringLiteral("kept"));
        QCOMPARE(f.unloads, 0);
        // And it still hides and unloads as any window.
        f.unload();
        QVERIFY(!f.isLoaded());
    }
};

PLAYHAVEN_TEST(OutsideDestructionTest)
#include "tst_outside_destruction.moc"
