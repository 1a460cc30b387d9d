// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/frmBrookhop.h"
#include "shell/Startup.h"
#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "spinner/frmSetOwnLimits.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QTest>

using ui::form;

namespace {

QWidget *controlOf(ui::Form &f, const QString &name)
{
    auto *w = f.view()->findChild<QWidget *>(name);
    if (!w)
        qFatal("%s has no control %s", qPrintable(f.name()), qPrintable(name));
    return w;
}

} // namespace

// What a screen reader finds in the program's windows: every control is named, by its caption
// or by its role.
class AccessibilityTreeTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    void everyControlOfEveryWindowHasAName()
    {
        int controls = 0;
        for (ui::Form *f : allWindows()) {
            f->load();
            for (QWidget *w : f->view()->findChildren<QWidget *>()) {
                if (!ui::controlOf(w))
                    continue;
                ++controls;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(a, qPrintable(w->objectName()));
                QVERIFY2(
                    !a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(f->name() + " " + w->objectName()));
            }
        }
        QVERIFY(controls > 200); // the board alone has 26 stones and 81 marker pictures
    }

    void aSampleOfEachWindowReadsAsItShould_data()
    {
        QTest::addColumn<int>("window"); // its place in allWindows()
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        const auto row = [](const char *tag, int window, const char *control, const char *name, QAccessible::Role r) {
            QTest::newRow(tag) << window << QString(control) << QString(name) << int(r);
        };
        row("logon label", 0, "lblUserName", "User Name", QAccessible::StaticText);
        row("logon box", 0, "txtPassword", "Password", QAccessible::EditableText);
        row("logon ok", 0, "cmdOK", "OK", QAccessible::Button);
        row("launcher frame", 1, "fraLaunchPad", "Launch Pad", QAccessible::Grouping);
        row("launcher rocket", 1, "imgRocket1", "Left rocket", QAccessible::Graphic);
        row("splash go", 2, "cmdGo", "GO!", QAccessible::Button);
        row("splash picture", 3, "imgLogo", "Spinner picture", QAccessible::Graphic);
        row("stone", 4, "picBrookhop(7)", "Stone 7, empty", QAccessible::Button);
        row("start", 4, "picBrookhop(0)", "Stone 0, START, Bicycle, Cars, Plane", QAccessible::Button);
        row("spinner panel", 4, "fraSpinner", "Spinner", QAccessible::Grouping);
        row("status bar", 4, "sbrDisplayMessage", "Status bar", QAccessible::StatusBar);
        row("marker", 4, "imgBicycle(7)", "Bicycle marker on stone 7", QAccessible::Graphic);
        row("spin button", 4, "optBicycle", "Bicycle spin button", QAccessible::RadioButton);
        row("spinner value", 4, "lblThree", "Spinner: 3", QAccessible::StaticText);
        row("board toolbar", 4, "tbrYourMoves", "Your Moves toolbar", QAccessible::ToolBar);
        row("options box", 5, "chkCars", "Cars", QAccessible::CheckBox);
        row("digit", 6, "lblSpinzoNumber1", "First number", QAccessible::StaticText);
        row("spin", 6, "cmdSpin", "Spin", QAccessible::Button);
        row("limit", 7, "Option5(4)", "OTHER", QAccessible::RadioButton);
        row("exit", 8, "cmdExit", "Exit the Game", QAccessible::Button);
        row("help panel", 9, "fraDefinition", "Definition", QAccessible::Grouping);
        row("help topic", 9, "lblRules", "Rules", QAccessible::Link);
        row("help sub-topic", 9, "lblRule1", "Rule 1", QAccessible::Link);
        row("help number", 10, "lbl_10", "10", QAccessible::Link);
        row("digits", 6, "lblSpinzoNumber2", "Second number", QAccessible::StaticText);
        row("percentage", 6, "lblRate", "Percentage: 0.0%", QAccessible::StaticText);
    }
    void aSampleOfEachWindowReadsAsItShould()
    {
        QFETCH(int, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        ui::Form *f = allWindows().at(window);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(controlOf(*f, control));
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(int(a->role()), role);
    }

    // The logon dialog answered by keys alone: the labels' mnemonics reach the boxes, Enter
    // presses OK.
    void theLogonDialogIsAnsweredWithTheKeyboard()
    {
        frmLogon &l = form<frmLogon>();
        l.show();
        QVERIFY(QTest::qWaitForWindowActive(l.view()));
        QTest::keyClick(l.view(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(l.view()->focusWidget(), l.txtPassword());
        QTest::keyClick(l.view(), Qt::Key_U, Qt::AltModifier);
        QCOMPARE(l.view()->focusWidget(), l.txtUserName());
        QTest::keyClicks(l.txtUserName(), "ann");
        QTest::keyClick(l.txtUserName(), Qt::Key_P, Qt::AltModifier);
        QTest::keyClicks(l.txtPassword(), "ann");
        QTest::keyClick(l.txtPassword(), Qt::Key_Return);
        QVERIFY(form<frmSkydash>().isVisible());
        QVERIFY(!l.isVisible());
    }

    // The windows that ask for something are dialogs that say what they want as they open.
    void dialogLikeWindowsAreDialogsWithTheirInstructions()
    {
        const auto check = [](ui::Form &f, const QString &instructions) {
            f.load();
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(f.view());
            QCOMPARE(a->role(), QAccessible::Dialog);
            QCOMPARE(a->text(QAccessible::Description), instructions);
        };
        check(form<frmLogon>(), "Type your name and password to log on.");
        check(form<frmSetOwnLimits>(), "Choose how many spins a game has, then return to the game.");
        QCOMPARE(QAccessible::queryAccessibleInterface(form<frmSkydash>().view())->role(), QAccessible::Window);
    }

    // The toolbar's buttons are read alike, whatever their tool tips say.
    void theBoardsToolbarButtonsReadAlike()
    {
        frmBrookhop &b = form<frmBrookhop>();
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(b.tbrYourMoves());
        QStringList names;
        for (int i = 0; i < bar->childCount(); ++i) {
            if (bar->child(i)->role() == QAccessible::Button)
                names << bar->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names, QStringList({ "Bicycle marker", "Cars marker", "Plane marker" }));
    }
};

PLAYHAVEN_TEST(AccessibilityTreeTest)
#include "tst_accessibility_tree.moc"
