// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Startup.h"

#include "board/frmBrookhop.h"
#include "board/frmPlayerOptions.h"
#include "help/frmHelpBrookhop.h"
#include "help/frmHelpSpinzo.h"
#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "shell/frmSplashBrookhop.h"
#include "shell/frmSplashSpinzo.h"
#include "spinner/frmSetOwnLimits.h"
#include "spinner/frmShowHighScore.h"
#include "spinner/frmSpinzo.h"
#include "ui/Application.h"
#include "ui/DisplayScale.h"
#include "ui/LanguageChoice.h"
#include "ui/Program.h"
#include "ui/Translations.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// The languages Playhaven speaks, as --lang names them: "en de fr ...".
std::string languageList()
{
    std::string list(ui::sourceLanguage);
    for (const std::string &code : ui::shippedLanguages())
        list += ' ' + code;
    return list;
}

} // namespace

CommandLine readCommandLine(int argc, char **argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            line.answer = CommandLine::Answer::Help;
            return line;
        }
        // An option's value follows it ("--scale 1.5") or is joined to it ("--scale=1.5").
        const auto valueOf = [&](std::string_view option) -> std::optional<std::string_view> {
            if (arg == option)
                return i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
            if (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '=')
                return arg.substr(option.size() + 1);
            return std::nullopt;
        };
        if (const auto value = valueOf("--scale")) {
            line.scale = ui::readOfferedScale(*value);
            if (!line.scale) {
                line.answer = CommandLine::Answer::WrongScale;
                return line;
            }
        } else if (const auto value = valueOf("--lang")) {
            line.language = ui::readLanguageOption(*value, ui::shippedLanguages());
            if (!line.language) {
                line.answer = CommandLine::Answer::WrongLanguage;
                return line;
            }
        }
    }
    return line;
}

int answerCommandLine(const CommandLine &line)
{
    const QString languages = QString::fromStdString(languageList());
    switch (line.answer) {
    case CommandLine::Answer::None:
        return 0;
    case CommandLine::Answer::Help:
        std::fputs(qPrintable(ui::earlyText("CommandLine",
                       "Usage: playhaven [--help] [--scale F] [--lang CODE] [toolkit options]\n"
                       "Two games for children: a board race and a game of chance. Log on with the same\n"
                       "text as user name and password. Nothing is stored.\n\n"
                       "  -h, --help        show this help and exit\n"
                       "  --scale F         draw every window F times its designed size, F from 1 to 4\n"
                       "                    (1.5, 2.25, ...); by default as large as the screen allows\n"
                       "  --lang CODE       speak the language CODE (%1); by default the\n"
                       "                    desktop's, where Playhaven speaks it, else English\n\n"
                       "The toolkit's own options work as in every Qt program, e.g. -platform xcb or\n"
                       "-display :1; QT_SCALE_FACTOR draws every window larger or smaller.\n")
                                  .arg(languages)),
            stdout);
        return 0;
    case CommandLine::Answer::WrongScale:
        std::fprintf(stderr, "%s\n",
            qPrintable(ui::earlyText("CommandLine", "playhaven: --scale takes a factor from 1 to 4, such as 1.5")));
        return 2;
    case CommandLine::Answer::WrongLanguage:
        std::fprintf(stderr, "%s\n",
            qPrintable(ui::earlyText("CommandLine", "playhaven: --lang takes one of: %1").arg(languages)));
        return 2;
    }
    return 2;
}

QList<ui::Form *> allWindows()
{
    using ui::form;
    return { &form<frmLogon>(), &form<frmSkydash>(), &form<frmSplashBrookhop>(), &form<frmSplashSpinzo>(),
        &form<frmBrookhop>(), &form<frmPlayerOptions>(), &form<frmSpinzo>(), &form<frmSetOwnLimits>(),
        &form<frmShowHighScore>(), &form<frmHelpBrookhop>(), &form<frmHelpSpinzo>() };
}

void chooseDisplayScale(std::optional<double> chosen)
{
    // The windows that open are measured at scale 1; the window manager's frame is not known
    // before a window is mapped, so each gets room for a border and a title bar as most desktops
    // draw them.
    constexpr double frameWidth = 12, frameHeight = 40;
    std::vector<ui::WindowExtent> windows;
    for (const ui::Form *window : allWindows()) {
        const QSizeF design = window->designExtent();
        windows.push_back({ design.width(), design.height(), frameWidth, frameHeight });
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const double scale
        = area.isEmpty() ? chosen.value_or(1.0) : ui::chooseDisplayScale(area.width(), area.height(), windows, chosen);
    ui::useDisplayScale(scale);
}

void installHome()
{
    ui::setHome([] { ui::form<frmSkydash>().show(); });
}

void startPlayhaven()
{
    installHome();
    ui::form<frmLogon>().show();
}
