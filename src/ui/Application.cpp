// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"

#include "ui/CursorBlink.h"
#include "ui/Dialogs.h"
#include "ui/Geometry.h"
#include "ui/Program.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

static void initResources()
{
    Q_INIT_RESOURCE(assets);
}

namespace ui {
namespace {

class PlayhavenStyle : public QProxyStyle {
public:
    PlayhavenStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    int styleHint(
        StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    // A focus rectangle as wide as a design pixel at the display scale: the style's own, drawn
    // again inside itself.
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override
    {
        const int width = element == PE_FrameFocusRect ? scaledPixels(1) : 1;
        if (width == 1) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Copied whole, as the kind of option it is: the style reads a focus rectangle's colour.
        const auto drawInside = [&](auto inner) {
            for (int i = 0; i < width; ++i) {
                inner.rect = option->rect.adjusted(i, i, -i, -i);
                QProxyStyle::drawPrimitive(element, &inner, painter, widget);
            }
        };
        if (const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option))
            drawInside(*focus);
        else
            drawInside(*option);
    }
    // The room the style leaves around a menu's titles and items grows with the text.
    QSize sizeFromContents(
        ContentsType type, const QStyleOption *option, const QSize &contents, const QWidget *widget) const override
    {
        const QSize base = QProxyStyle::sizeFromContents(type, option, contents, widget);
        if (type != CT_MenuBarItem && type != CT_MenuItem)
            return base;
        const QSize room = base - contents;
        return contents + QSize(scaledPixels(room.width()), scaledPixels(room.height()));
    }
    // The boxes, marks and icons the style draws grow with the windows' display scale.
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_SmallIconSize:
        case PM_LargeIconSize:
        case PM_ButtonIconSize:
        case PM_ToolBarIconSize:
        case PM_MessageBoxIconSize:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_DefaultFrameWidth:
        case PM_ButtonMargin:
        case PM_LayoutLeftMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
            return scaledPixels(base);
        default:
            return base;
        }
    }
};

} // namespace

void useDisplayScale(double scale)
{
    // The application's font before any scale, taken the first time.
    static const QFont designFont = QApplication::font();
    setDisplayScale(scale);
    QFont font = designFont;
    if (designFont.pointSizeF() > 0)
        font.setPointSizeF(designFont.pointSizeF() * displayScale());
    else if (designFont.pixelSize() > 0)
        font.setPixelSize(scaledPixels(designFont.pixelSize()));
    QApplication::setFont(font);
}

void initApplication(QApplication &app)
{
    initResources();
    app.setApplicationName(QStringLiteral("playhaven"));
    app.setApplicationDisplayName(QString());
    app.setQuitOnLastWindowClosed(false);
    app.setStyle(new PlayhavenStyle);
    app.setWindowIcon(QIcon(QStringLiteral(":/appicon/playhaven-64.png")));
    new CursorBlinkRest(CursorBlinkRest::defaultRestAfter, &app);
    Program::instance();
}

namespace {

QString noDisplay(const QString &why)
{
    return QStringLiteral("playhaven: no display to open a window on (%1); run it from a desktop session").arg(why);
}

bool isX11(const QByteArray &platform)
{
    return platform == "xcb" || platform.startsWith("xcb:");
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

DisplayChoice chooseDisplay(
    const DisplayEnvironment &env, const std::function<bool(const QByteArray &display)> &xAnswers)
{
    DisplayChoice choice;
    const bool chosen = !env.chosenPlatform.isEmpty();
    if (chosen && !isX11(env.chosenPlatform))
        return choice;
    const QString name = QString::fromLocal8Bit(env.x11Display);
    if (!env.x11Display.isEmpty() && xAnswers(env.x11Display)) {
        if (!chosen)
            choice.platform = "xcb";
        return choice;
    }
    if (!chosen && !env.waylandDisplay.isEmpty()) {
        if (env.waylandPluginInstalled)
            choice.platform = "wayland";
        else
            choice.problem = QStringLiteral("playhaven: this Wayland session has no X display (XWayland) and the "
                                            "toolkit's Wayland support is not installed (Debian package qt6-wayland)");
        return choice;
    }
    choice.problem = env.x11Display.isEmpty()
        ? noDisplay(QStringLiteral("DISPLAY is not set"))
        : noDisplay(QStringLiteral("no X server answers on DISPLAY=%1").arg(name));
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
    if (env.chosenPlatform.isEmpty() && env.x11Display.isEmpty() && !env.waylandDisplay.isEmpty())
        env.waylandPluginInstalled = waylandPluginInstalled();
    const DisplayChoice choice = chooseDisplay(env, &xServerAnswers);
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
