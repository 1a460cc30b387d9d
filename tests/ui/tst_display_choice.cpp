// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestMain.h"
#include "ui/Application.h"
#include "ui/DisplayChoice.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using ui::DisplayEnvironment;

namespace {

// The compositor's socket the choice asked about, if any.
QByteArray g_probed;

ui::DisplayChoice choose(const DisplayEnvironment &env, bool xAnswers = true, bool compositorAnswers = true)
{
    g_probed.clear();
    return ui::chooseDisplay(
        env, [xAnswers](const QByteArray &) { return xAnswers; },
        [compositorAnswers](const QByteArray &path) {
            g_probed = path;
            return compositorAnswers;
        });
}

DisplayEnvironment session(QByteArray x11, QByteArray wayland, QByteArray chosen = {})
{
    DisplayEnvironment env;
    env.x11Display = std::move(x11);
    env.waylandDisplay = std::move(wayland);
    env.chosenPlatform = std::move(chosen);
    env.runtimeDir = "/run/user/1000";
    env.waylandPluginInstalled = true;
    return env;
}

// A socket file that accepts connections while it lives, as a compositor's does.
class ListeningSocket {
public:
    explicit ListeningSocket(const QByteArray &path)
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        m_listening = m_fd >= 0 && ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::listen(m_fd, 1) == 0;
    }
    ~ListeningSocket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ListeningSocket(const ListeningSocket &) = delete;
    ListeningSocket &operator=(const ListeningSocket &) = delete;
    bool listening() const { return m_listening; }

private:
    int m_fd = -1;
    bool m_listening = false;
};

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

    // Wayland, chosen or taken for want of an X display, needs a compositor that answers where
    // the client library will look for it.
    void aWaylandCompositorThatDoesNotAnswerIsToldInOneLine_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("x11"); // only ":0" answers
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("runtimeDir");
        QTest::addColumn<QByteArray>("socket");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QByteArray>("probed");
        const QByteArray run = "/run/user/1000";
        const QString none;
        QTest::newRow("chosen, nothing on the default socket")
            << QByteArray("wayland") << QByteArray() << QByteArray() << run << QByteArray() << false << QByteArray()
            << "playhaven: no display to open a window on (no Wayland compositor answers on "
               "/run/user/1000/wayland-0); run it from a desktop session"
            << QByteArray("/run/user/1000/wayland-0");
        QTest::newRow("chosen, the compositor answers")
            << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland-1") << run << QByteArray() << true
            << QByteArray() << none << QByteArray("/run/user/1000/wayland-1");
        QTest::newRow("a variant with options, nothing answers")
            << QByteArray("wayland-egl:foo") << QByteArray() << QByteArray("wayland-1") << run << QByteArray() << false
            << QByteArray()
            << "playhaven: no display to open a window on (no Wayland compositor answers on "
               "/run/user/1000/wayland-1); run it from a desktop session"
            << QByteArray("/run/user/1000/wayland-1");
        QTest::newRow("a full path needs no runtime folder")
            << QByteArray("wayland") << QByteArray() << QByteArray("/tmp/compositor") << QByteArray() << QByteArray()
            << false << QByteArray()
            << "playhaven: no display to open a window on (no Wayland compositor answers on /tmp/compositor); run "
               "it from a desktop session"
            << QByteArray("/tmp/compositor");
        QTest::newRow("a name without a runtime folder")
            << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray() << QByteArray()
            << true << QByteArray()
            << "playhaven: no display to open a window on (XDG_RUNTIME_DIR is not set, so the Wayland display "
               "wayland-0 cannot be found); run it from a desktop session"
            << QByteArray();
        QTest::newRow("a connection handed over is not probed")
            << QByteArray("wayland") << QByteArray() << QByteArray() << run << QByteArray("5") << false << QByteArray()
            << none << QByteArray();
        QTest::newRow("by default, after an X display that does not answer")
            << QByteArray() << QByteArray(":7") << QByteArray("wayland-0") << run << QByteArray() << false
            << QByteArray()
            << "playhaven: no display to open a window on (no X server answers on DISPLAY=:7; no Wayland "
               "compositor answers on /run/user/1000/wayland-0); run it from a desktop session"
            << QByteArray("/run/user/1000/wayland-0");
        QTest::newRow("by default, with no DISPLAY")
            << QByteArray() << QByteArray() << QByteArray("wayland-0") << run << QByteArray() << false << QByteArray()
            << "playhaven: no display to open a window on (DISPLAY is not set; no Wayland compositor answers on "
               "/run/user/1000/wayland-0); run it from a desktop session"
            << QByteArray("/run/user/1000/wayland-0");
        QTest::newRow("a live X display comes first and asks no compositor")
            << QByteArray() << QByteArray(":0") << QByteArray("wayland-0") << run << QByteArray() << false
            << QByteArray("xcb") << none << QByteArray();
        QTest::newRow("a list of platforms falls back by itself")
            << QByteArray("wayland;xcb") << QByteArray() << QByteArray() << run << QByteArray() << false << QByteArray()
            << none << QByteArray();
    }
    void aWaylandCompositorThatDoesNotAnswerIsToldInOneLine()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, runtimeDir);
        QFETCH(QByteArray, socket);
        QFETCH(bool, answers);
        QFETCH(QByteArray, platform);
        QFETCH(QString, problem);
        QFETCH(QByteArray, probed);
        DisplayEnvironment env = session(x11, wayland, chosen);
        env.runtimeDir = runtimeDir;
        env.waylandSocket = socket;
        g_probed.clear();
        const ui::DisplayChoice c = ui::chooseDisplay(
            env, [](const QByteArray &display) { return display == ":0"; },
            [answers](const QByteArray &path) {
                g_probed = path;
                return answers;
            });
        QCOMPARE(c.problem, problem);
        QCOMPARE(c.platform, platform);
        QCOMPARE(g_probed, probed);
    }

    // The toolkit takes QT_SCALE_FACTOR as QString::toDouble reads it and ignores what that
    // cannot read; what it takes must be a finite number above 0.
    void aScaleFactorTheToolkitCannotDrawWithIsRefused_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("problem");
        const QString none;
        const QString above = QStringLiteral("playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)");
        const QString finite = QStringLiteral("playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)");
        QTest::newRow("0") << "0" << above.arg("0");
        QTest::newRow("-1") << "-1" << above.arg("-1");
        QTest::newRow("0.0 with blanks") << " 0.0 " << above.arg("0.0");
        QTest::newRow("-0") << "-0" << above.arg("-0");
        QTest::newRow("-inf") << "-inf" << above.arg("-inf");
        QTest::newRow("nan") << "nan" << finite.arg("nan");
        QTest::newRow("inf") << "inf" << finite.arg("inf");
        QTest::newRow("1.5") << "1.5" << none;
        QTest::newRow("0.5") << "0.5" << none;
        QTest::newRow("unset") << "" << none;
        QTest::newRow("not a number: ignored") << "abc" << none;
        QTest::newRow("a decimal comma: ignored") << "0,5" << none;
        QTest::newRow("too large to read: ignored") << "1e999" << none;
        QTest::newRow("too small to read: ignored") << "1e-400" << none;
    }
    void aScaleFactorTheToolkitCannotDrawWithIsRefused()
    {
        QFETCH(QString, written);
        QFETCH(QString, problem);
        DisplayEnvironment env = session(":0", {});
        env.scaleFactor = written;
        const ui::DisplayChoice live = choose(env);
        QCOMPARE(live.problem, problem);
        // It is told before a missing display.
        env.x11Display.clear();
        const ui::DisplayChoice none = choose(env);
        if (!problem.isEmpty())
            QCOMPARE(none.problem, problem);
        else
            QVERIFY(none.problem.startsWith(QLatin1String("playhaven: no display to open a window on (")));
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

    // A socket file left behind by a compositor that has gone answers no more than none.
    void reachingTheCompositor()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("wayland-0")));
        QVERIFY(!ui::compositorAnswers(path));
        {
            const ListeningSocket compositor(path);
            QVERIFY(compositor.listening());
            QVERIFY(ui::compositorAnswers(path));
        }
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("wayland-0"))));
        QVERIFY(!ui::compositorAnswers(path));
    }
};

PLAYHAVEN_TEST(DisplayChoiceTest)
#include "tst_display_choice.moc"
