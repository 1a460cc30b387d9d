// SPDX-License-Identifier: GPL-3.0-or-later
// Where the toolkit itself would find no display it aborts, and where its scale factor leaves
// nothing to draw it shows no window or crashes: the program tells the user instead.
#include "ui/DisplayChoice.h"

#include "ui/Translations.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace ui {

namespace {

QString noDisplay(const QString &why)
{
    return earlyText("DisplayChoice", "playhaven: no display to open a window on (%1); run it from a desktop session")
        .arg(why);
}

bool isX11(const QByteArray &platform)
{
    return platform == "xcb" || platform.startsWith("xcb:");
}

// The Wayland plug-in and its variants ("wayland-egl"), with or without options; a list of
// platforms to try in turn ("wayland;xcb") is not one: the toolkit falls back by itself.
bool isWayland(const QByteArray &platform)
{
    const qsizetype colon = platform.indexOf(':');
    const QByteArray name = colon < 0 ? platform : platform.left(colon);
    return name == "wayland" || (name.startsWith("wayland-") && !name.contains(';'));
}

// Why no Wayland compositor can be reached, or nothing. The client library looks for the
// compositor's socket as WAYLAND_DISPLAY names it ("wayland-0" when unset) inside
// XDG_RUNTIME_DIR, or at WAYLAND_DISPLAY itself when that is a full path; a connection handed
// over in WAYLAND_SOCKET is used instead and left to the toolkit.
QString waylandUnreachable(
    const DisplayEnvironment &env, const std::function<bool(const QByteArray &socketPath)> &answers)
{
    if (!env.waylandSocket.isEmpty())
        return {};
    const QByteArray name = env.waylandDisplay.isEmpty() ? QByteArray("wayland-0") : env.waylandDisplay;
    QByteArray path = name;
    if (!name.startsWith('/')) {
        if (env.runtimeDir.isEmpty())
            return earlyText("DisplayChoice", "XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found")
                .arg(QString::fromLocal8Bit(name));
        path = env.runtimeDir + '/' + name;
    }
    if (answers(path))
        return {};
    return earlyText("DisplayChoice", "no Wayland compositor answers on %1").arg(QString::fromLocal8Bit(path));
}

QString scaleFactorProblem(const QString &written)
{
    bool read = false;
    const double factor = written.toDouble(&read);
    if (!read || (std::isfinite(factor) && factor > 0))
        return {};
    const QString shown = written.trimmed();
    if (factor <= 0)
        return earlyText("DisplayChoice", "playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)").arg(shown);
    return earlyText("DisplayChoice", "playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)")
        .arg(shown);
}

// The display number of a local X display name ("[unix]:N[.S]"), or -1 for any other name.
int localDisplayNumber(const QByteArray &display)
{
    const int colon = display.lastIndexOf(':');
    if (colon < 0)
        return -1;
    const QByteArray host = display.left(colon);
    if (!host.isEmpty() && host != "unix")
        return -1;
    QByteArray number = display.mid(colon + 1);
    if (const int dot = number.indexOf('.'); dot >= 0)
        number.truncate(dot);
    bool ok = false;
    const int n = number.toInt(&ok);
    return ok && n >= 0 ? n : -1;
}

bool connectsTo(const QByteArray &path, bool abstract)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const int offset = abstract ? 1 : 0; // an abstract name starts with a zero byte
    if (path.size() + offset >= int(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
    ::close(fd);
    return connected;
}

bool waylandPluginInstalled()
{
    QStringList folders = QString::fromLocal8Bit(qgetenv("QT_PLUGIN_PATH")).split(':', Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString &folder : std::as_const(folders)) {
        if (!QDir(folder + QStringLiteral("/platforms"))
                 .entryList({ QStringLiteral("*qwayland*") }, QDir::Files)
                 .isEmpty())
            return true;
    }
    return false;
}

bool g_platformSet = false;

} // namespace

bool xServerAnswers(const QByteArray &display)
{
    // A plain connect to the server's socket, as the X library would make first: it needs no
    // library beyond the C one, and it tells "nothing listens there" apart from every other
    // trouble (authorisation, a full server), which the toolkit reports well enough itself.
    // Linux servers listen on an abstract socket as well as on the file, and a sandbox may see
    // only the former.
    const int n = localDisplayNumber(display);
    if (n < 0)
        return true;
    const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(n);
    return connectsTo(path, true) || connectsTo(path, false);
}

bool compositorAnswers(const QByteArray &socketPath)
{
    return connectsTo(socketPath, false);
}

DisplayChoice chooseDisplay(const DisplayEnvironment &env,
    const std::function<bool(const QByteArray &display)> &xAnswers,
    const std::function<bool(const QByteArray &socketPath)> &waylandAnswers)
{
    DisplayChoice choice;
    choice.problem = scaleFactorProblem(env.scaleFactor);
    if (!choice.problem.isEmpty())
        return choice;
    const bool chosen = !env.chosenPlatform.isEmpty();
    if (chosen && isWayland(env.chosenPlatform)) {
        if (const QString why = waylandUnreachable(env, waylandAnswers); !why.isEmpty())
            choice.problem = noDisplay(why);
        return choice;
    }
    if (chosen && !isX11(env.chosenPlatform))
        return choice;
    const QString name = QString::fromLocal8Bit(env.x11Display);
    if (!env.x11Display.isEmpty() && xAnswers(env.x11Display)) {
        if (!chosen)
            choice.platform = "xcb";
        return choice;
    }
    const QString noX = env.x11Display.isEmpty()
        ? earlyText("DisplayChoice", "DISPLAY is not set")
        : earlyText("DisplayChoice", "no X server answers on DISPLAY=%1").arg(name);
    if (!chosen && !env.waylandDisplay.isEmpty()) {
        if (const QString why = waylandUnreachable(env, waylandAnswers); !why.isEmpty())
            choice.problem = noDisplay(noX + QStringLiteral("; ") + why);
        else if (env.waylandPluginInstalled)
            choice.platform = "wayland";
        else
            choice.problem = earlyText("DisplayChoice",
                "playhaven: this Wayland session has no X display (XWayland) and the "
                "toolkit's Wayland support is not installed (Debian package qt6-wayland)");
        return choice;
    }
    choice.problem = noDisplay(noX);
    return choice;
}

bool prepareDisplay(int argc, char **argv)
{
    DisplayEnvironment env;
    env.chosenPlatform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            env.chosenPlatform = argv[i + 1];
        }
    }
    env.x11Display = qgetenv("DISPLAY");
    env.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    env.waylandSocket = qgetenv("WAYLAND_SOCKET");
    env.runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    env.scaleFactor = qEnvironmentVariable("QT_SCALE_FACTOR");
    // Looked for also when DISPLAY is set: an X display that does not answer leaves Wayland.
    if (env.chosenPlatform.isEmpty() && !env.waylandDisplay.isEmpty())
        env.waylandPluginInstalled = waylandPluginInstalled();
    const DisplayChoice choice = chooseDisplay(env, &xServerAnswers, &compositorAnswers);
    if (!choice.problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(choice.problem));
        return false;
    }
    if (!choice.platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", choice.platform);
        g_platformSet = true;
    }
    return true;
}

void forgetPlatformChoice()
{
    if (std::exchange(g_platformSet, false))
        qunsetenv("QT_QPA_PLATFORM");
}

} // namespace ui
