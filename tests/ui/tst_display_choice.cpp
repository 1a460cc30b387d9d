// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestMain.h"
#include "ui/Application.h"

#include <QGuiApplication>
#include <QTest>

using ui::DisplayEnvironment;

namespace {

ui::DisplayChoice choose(const DisplayEnvironment &env, bool xAnswers = true)
{
    return ui::chooseDisplay(env, [xAnswers](const QByteArray &) { return xAnswers; });
}

DisplayEnvironment session(QByteArray x11, QByteArray wayland, QByteArray chosen = {})
{
    DisplayEnvironment env;
    env.x11Display = std::move(x11);
    env.waylandDisplay = std::move(wayland);
    env.chosenPlatform = std::move(chosen);
    env.waylandPluginInstalled = true;
    return env;
}

} // namespace

// Which platform the program asks the toolkit for, and when it refuses to start at all.
class DisplayChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void x11ComesFirstWhereTheUserChoseNothing()
    {
        QCOMPARE(choose(session(":0", "wayland-0")).platform, QByteArray("xcb"));
        QCOMPARE(choose(session(":0", {})).platform, QByteArray("xcb"));
        // A Wayland-only session, and one whose X display is gone.
        QCOMPARE(choose(session({}, "wayland-0")).platform, QByteArray("wayland"));
        QCOMPARE(choose(session(":7", "wayland-0"), false).platform, QByteArray("wayland"));
        DisplayEnvironment noPlugin = session({}, "wayland-0");
        noPlugin.waylandPluginInstalled = false;
        QVERIFY(choose(noPlugin).problem.contains(QLatin1String("Wayland support is not installed")));
    }

    void noDisplayIsOneLineNamingTheCause()
    {
        const ui::DisplayChoice unset = choose(session({}, {}));
        QCOMPARE(unset.problem,
            QStringLiteral(
                "playhaven: no display to open a window on (DISPLAY is not set); run it from a desktop session"));
        QVERIFY(unset.platform.isEmpty());
        const QString gone = choose(session(":7", {}), false).problem;
        QVERIFY(gone.contains(QLatin1String("no X server answers on DISPLAY=:7")));
        QVERIFY(!gone.contains('\n'));
        // X11 chosen by the user is checked the same way, and not chosen again.
        QVERIFY(!choose(session({}, "wayland-0", "xcb")).problem.isEmpty());
        QVERIFY(!choose(session(":7", {}, "xcb:nograb"), false).problem.isEmpty());
        const ui::DisplayChoice chosenX = choose(session(":0", {}, "xcb"));
        QVERIFY(chosenX.problem.isEmpty());
        QVERIFY(chosenX.platform.isEmpty());
    }

    void otherChosenPlatformsAreLeftAlone()
    {
        for (const QByteArray platform : { "offscreen", "wayland", "vnc", "wayland;xcb" }) {
            const ui::DisplayChoice c = choose(session({}, {}, platform), false);
            QVERIFY2(c.problem.isEmpty() && c.platform.isEmpty(), platform.constData());
        }
    }

    void reachingTheXServer()
    {
        // Nothing listens on a display number this high; remote names are left to the toolkit.
        QVERIFY(!ui::xServerAnswers(":997"));
        QVERIFY(!ui::xServerAnswers("unix:997.0"));
        QVERIFY(ui::xServerAnswers("far.example:0"));
        // Under the X11 platform the test itself runs on a live server.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            QVERIFY(ui::xServerAnswers(qgetenv("DISPLAY")));
    }
};

PLAYHAVEN_TEST(DisplayChoiceTest)
#include "tst_display_choice.moc"
