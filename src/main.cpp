// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Startup.h"
#include "ui/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = handleCommandLine(argc, argv))
        return *status;
    // Before the toolkit starts: it aborts by itself where it finds no display.
    if (!ui::prepareDisplay(argc, argv))
        return 1;
    QApplication app(argc, argv);
    ui::forgetPlatformChoice();
    ui::initApplication(app);
    startPlayhaven();
    return app.exec();
}
