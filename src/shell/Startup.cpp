// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Startup.h"

#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "ui/Program.h"

#include <cstdio>
#include <cstring>

std::optional<int> handleCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: playhaven [--help] [toolkit options]\n"
                        "Two games for children: a board race and a game of chance. Log on with the same\n"
                        "text as user name and password. Nothing is stored.\n\n"
                        "  -h, --help        show this help and exit\n\n"
                        "The toolkit's own options work as in every Qt program, e.g. -platform xcb or\n"
                        "-display :1; QT_SCALE_FACTOR draws every window larger or smaller.\n");
            return 0;
        }
    }
    return std::nullopt;
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
