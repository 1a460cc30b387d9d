// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Geometry.h"

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <QTimer>

using ui::form;
using ui::MsgIcon;
using ui::MsgResult;

namespace {

const QString invalid = QStringLiteral("The password is invalid.");
const QString hintQuestion = QStringLiteral("Do you want a hint what the password is?");
const QString hint = QStringLiteral("Enter your user name as your password!!!");
const QString goodbye = QStringLiteral("Too many invalid logon attempts.  Good-bye.");

QString echo(const QString &name, const QString &password)
{
    return "User Name = " + name + " , Password = " + password;
}

// What the dialog looked like while a failure cycle waited in its modal re-show.
struct Waiting {
    bool visible = false;
    QString name, password;
    bool okEnabled = true;
    int failed = -1;
};

} // namespace

// The logon dialog: its one rule (the password equals the user name), the failure cycle with
// its nested modal re-shows, and the ways out (success, Cancel, close box, third failure).
class LogonTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    static frmLogon &shown()
    {
        frmLogon &d = form<frmLogon>();
        d.show();
        return d;
    }

    // Types both boxes like a user (replacing what they hold) and clicks OK.
    static void typeAndClickOk(frmLogon &d, const QString &name, const QString &password)
    {
        d.txtUserName()->clear();
        QTest::keyClicks(d.txtUserName(), name);
        d.txtPassword()->clear();
        QTest::keyClicks(d.txtPassword(), password);
        QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
    }

    // Runs a step once the failure cycle that is about to start waits in its modal re-show.
    static void whenWaiting(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

    static Waiting snapshot(frmLogon &d)
    {
        return { d.isVisible(), d.txtUserName()->Text(), d.txtPassword()->Text(), ui::enabled(d.cmdOK()),
            d.failedLogons };
    }

private slots:
    void init() { fx.restart(); }

    void looksAsDesigned()
    {
        frmLogon &d = shown();
        QCOMPARE(d.Caption(), QStringLiteral("Enter Program Password"));
        QCOMPARE(d.BackColor(), 0x00FFFF00u);
        QWidget *client = d.view()->client();
        QCOMPARE(client->size(), QSize(ui::twipsToPixels(6510), ui::twipsToPixels(2025)));
        QCOMPARE(d.view()->minimumSize(), d.view()->maximumSize()); // a fixed border
        const Qt::WindowFlags flags = d.view()->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));

        QCOMPARE(d.lblInstruction()->Caption(), QStringLiteral("Type your name and password to log on."));
        QVERIFY(d.lblInstruction()->alignment() & Qt::AlignHCenter);
        QVERIFY(d.lblUserName()->alignment() & Qt::AlignRight);
        QCOMPARE(d.lblUserName()->text(), QStringLiteral("&User Name"));
        QCOMPARE(d.lblPassword()->text(), QStringLiteral("&Password"));
        QCOMPARE(d.cmdOK()->Caption(), QStringLiteral("OK"));
        QCOMPARE(d.cmdCancel()->Caption(), QStringLiteral("Cancel"));
        QCOMPARE(d.txtPassword()->Left(), 2280.0);
        QCOMPARE(d.txtPassword()->Top(), 1200.0);
        QCOMPARE(d.cmdCancel()->Top(), 1440.0);
        QCOMPARE(d.imgLogo()->Picture().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(d.imgLogo()->Picture().devicePixelRatio(), qApp->devicePixelRatio()); // sharp at double density
        for (QWidget *w : QList<QWidget *> { d.lblInstruction(), d.lblPassword(), d.txtUserName(), d.cmdOK() }) {
            QCOMPARE(w->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(w->font().pointSizeF(), 9.75);
            QVERIFY(w->font().bold());
        }
        QCOMPARE(d.cmdOK()->palette().color(QPalette::Button), QColor(0x80, 0x80, 0xFF));
        QCOMPARE(d.cmdCancel()->palette().color(QPalette::Button), QColor(0x80, 0x80, 0xFF));

        // Empty boxes, OK disabled, the password masked with "*".
        QVERIFY(d.txtUserName()->Text().isEmpty() && d.txtPassword()->Text().isEmpty());
        QVERIFY(!ui::enabled(d.cmdOK()));
        QCOMPARE(d.txtPassword()->echoMode(), QLineEdit::Password);
        QCOMPARE(d.txtPassword()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, d.txtPassword()),
            int('*'));

        // Tab runs user name, password, OK, Cancel and round again.
        d.txtUserName()->setFocus();
        QList<QWidget *> order { d.txtUserName() };
        for (QWidget *w = d.txtUserName()->nextInFocusChain(); w != d.txtUserName(); w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w;
        }
        QCOMPARE(order, (QList<QWidget *> { d.txtUserName(), d.txtPassword(), d.cmdOK(), d.cmdCancel() }));
    }

    void mnemonicsReachTheirBoxes()
    {
        frmLogon &d = shown();
        QApplication::setActiveWindow(d.view());
        d.cmdCancel()->setFocus();
        QTest::keyClick(d.view(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d.txtPassword());
        QTest::keyClick(d.view(), Qt::Key_U, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d.txtUserName());
    }

    void okIsEnabledExactlyWhileBothBoxesHoldText()
    {
        frmLogon &d = shown();
        QTest::keyClicks(d.txtUserName(), "Ann");
        QVERIFY(!ui::enabled(d.cmdOK()));
        QTest::keyClick(d.txtPassword(), Qt::Key_Return); // Enter does nothing while OK is disabled
        QVERIFY(fx.dialogs.shown.isEmpty());
        QTest::keyClicks(d.txtPassword(), "A");
        QVERIFY(ui::enabled(d.cmdOK()));
        d.txtUserName()->selectAll();
        QTest::keyClick(d.txtUserName(), Qt::Key_Backspace);
        QVERIFY(!ui::enabled(d.cmdOK()));
        QTest::keyClicks(d.txtUserName(), " ");
        QVERIFY(ui::enabled(d.cmdOK())); // a blank is text
        d.txtPassword()->setTextValue(QString()); // a change by code counts too
        QVERIFY(!ui::enabled(d.cmdOK()));
        QTest::keyClick(d.txtUserName(), Qt::Key_Escape); // Esc presses Cancel
        QCOMPARE(fx.endCount, 1);
        QVERIFY(fx.dialogs.shown.isEmpty());
    }

    void onlyAPasswordEqualToTheUserNameLogsOn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("valid");
        QTest::newRow("same") << "Ann"
                              << "Ann" << true;
        QTest::newRow("same, with inner blanks") << "Ann  Lee"
                                                 << "Ann  Lee" << true;
        QTest::newRow("other capitalisation") << "Ann"
                                              << "ann" << false;
        QTest::newRow("leading blank") << "Ann"
                                       << " Ann" << false;
        QTest::newRow("trailing blank on the name") << "Ann "
                                                    << "Ann" << false;
        QTest::newRow("longer") << "Ann"
                                << "Anne" << false;
        // The echo is a sentence with two places: what was typed goes in as it stands.
        QTest::newRow("a name that looks like a place") << "%2 and %1"
                                                        << "%1" << false;
    }
    void onlyAPasswordEqualToTheUserNameLogsOn()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, valid);
        frmLogon &d = shown();
        Waiting waiting;
        if (!valid) {
            whenWaiting([&] {
                waiting = snapshot(d);
                QTest::mouseClick(d.cmdCancel(), Qt::LeftButton);
            });
        }
        typeAndClickOk(d, name, password);
        QCOMPARE(fx.dialogs.shown.first().text, echo(name, password));
        QCOMPARE(fx.dialogs.shown.first().icon, MsgIcon::None);
        QVERIFY(fx.dialogs.shown.first().title.isEmpty());
        if (valid) {
            QCOMPARE(fx.dialogs.texts(), QStringList { echo(name, password) });
            QVERIFY(d.isLoaded() && !d.isVisible());
            QVERIFY(form<frmSkydash>().isVisible());
            QCOMPARE(fx.endCount, 0);
            return;
        }
        QCOMPARE(fx.dialogs.texts(), (QStringList { echo(name, password), invalid, hintQuestion }));
        QCOMPARE(fx.dialogs.shown[1].icon, MsgIcon::Information);
        QCOMPARE(fx.dialogs.shown[2].icon, MsgIcon::Question);
        QCOMPARE(fx.dialogs.shown[2].buttons, ui::MsgButtons::YesNo);
        // Shown again with the user name kept, the password cleared and OK disabled.
        QVERIFY(waiting.visible);
        QCOMPARE(waiting.name, name);
        QCOMPARE(waiting.password, QString());
        QVERIFY(!waiting.okEnabled);
        QCOMPARE(waiting.failed, 1);
        QCOMPARE(fx.endCount, 1); // Cancel in the re-shown dialog ends the program
        QVERIFY(!form<frmSkydash>().isLoaded());
    }

    void aFailureThenANestedSuccessOpensTheLauncher()
    {
        frmLogon &d = shown();
        for (MsgResult r : { MsgResult::OK, MsgResult::OK, MsgResult::Yes, MsgResult::OK, MsgResult::OK })
            fx.dialogs.answer(r);
        bool launcherDuringWait = true;
        whenWaiting([&] {
            launcherDuringWait = form<frmSkydash>().isLoaded();
            QTest::mouseClick(d.txtPassword(), Qt::LeftButton);
            QTest::keyClicks(d.txtPassword(), "Ann");
            QTest::keyClick(d.txtPassword(), Qt::Key_Return); // Enter presses the enabled OK, nested
        });
        typeAndClickOk(d, "Ann", "Anna");
        QVERIFY(!launcherDuringWait);
        QCOMPARE(
            fx.dialogs.texts(), (QStringList { echo("Ann", "Anna"), invalid, hintQuestion, hint, echo("Ann", "Ann") }));
        QCOMPARE(fx.dialogs.shown[3].icon, MsgIcon::Information);
        QVERIFY(form<frmSkydash>().isVisible());
        QVERIFY(d.isLoaded() && !d.isVisible());
        QCOMPARE(d.failedLogons, std::int16_t(1));
        QCOMPARE(fx.endCount, 0);
        QCOMPARE(fx.dialogs.unplanned, 0);
    }

    void afterAFailureTheTypingGoesToThePasswordBox()
    {
        // With OK disabled, a focus left on Cancel would make a hasty Enter end the program.
        frmLogon &d = shown();
        for (MsgResult r : { MsgResult::OK, MsgResult::OK, MsgResult::No, MsgResult::OK })
            fx.dialogs.answer(r);
        QWidget *focused = nullptr;
        whenWaiting([&] {
            focused = d.view()->focusWidget();
            QTest::keyClicks(focused, "Ann");
            QTest::keyClick(focused, Qt::Key_Return);
        });
        typeAndClickOk(d, "Ann", "Anna");
        QCOMPARE(focused, static_cast<QWidget *>(d.txtPassword()));
        QVERIFY(form<frmSkydash>().isVisible());
        QCOMPARE(fx.endCount, 0);
    }

    void theThirdFailureAcrossNestedInvocationsSaysOnlyGoodBye()
    {
        frmLogon &d = shown();
        QStringList wrong { "b", "c" }; // the second and third attempts, each nested in the previous wait
        std::function<void()> tryAgain = [&] {
            const QString password = wrong.takeFirst();
            if (!wrong.isEmpty())
                whenWaiting(tryAgain);
            QTest::keyClicks(d.txtPassword(), password);
            QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
        };
        whenWaiting(tryAgain);
        typeAndClickOk(d, "Ann", "a");
        QCOMPARE(fx.dialogs.texts(),
            (QStringList { echo("Ann", "a"), invalid, hintQuestion, echo("Ann", "b"), invalid, hintQuestion,
                echo("Ann", "c"), goodbye }));
        QCOMPARE(fx.dialogs.shown.last().icon, MsgIcon::Exclamation);
        QCOMPARE(fx.endCount, 1);
        QVERIFY(!d.isVisible());
        QVERIFY(!form<frmSkydash>().isLoaded());
    }

    void leavingWithoutALogonEndsTheProgram_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("failures");
        QTest::newRow("Cancel at once") << "Cancel" << 0;
        QTest::newRow("Esc after one failure") << "Esc" << 1;
        QTest::newRow("Cancel after two, nested") << "Cancel" << 2;
        // A reloaded dialog would hold two equal, empty boxes: the waiting check must not see them.
        QTest::newRow("close box at once") << "close box" << 0;
        QTest::newRow("close box while a failure cycle waits") << "close box" << 1;
        QTest::newRow("close box while a nested failure cycle waits") << "close box" << 2;
    }
    void leavingWithoutALogonEndsTheProgram()
    {
        QFETCH(QString, way);
        QFETCH(int, failures);
        frmLogon &d = shown();
        std::function<void()> leave = [&] {
            if (way == "Esc")
                QTest::keyClick(d.txtUserName(), Qt::Key_Escape);
            else if (way == "Cancel")
                QTest::mouseClick(d.cmdCancel(), Qt::LeftButton);
            else
                d.view()->close();
        };
        // Each failed attempt but the first is made inside the previous one's modal re-show.
        for (int i = failures; i > 0; --i) {
            leave = [&d, i, inner = std::move(leave)] {
                whenWaiting(inner);
                typeAndClickOk(d, "Ann", QString(QChar('a' + i)));
            };
        }
        leave();
        QCOMPARE(fx.endCount, 1);
        QCOMPARE(int(d.failedLogons), failures);
        QCOMPARE(fx.dialogs.shown.size(), failures * 3); // nothing after leaving
        QVERIFY(!d.isVisible());
        QVERIFY(!form<frmSkydash>().isLoaded());
    }
};

PLAYHAVEN_TEST(LogonTest)
#include "tst_logon.moc"
