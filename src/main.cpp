// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Startup.h"
#include "ui/Application.h"
#include "ui/DisplayChoice.h"
#include "ui/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const CommandLine line = readCommandLine(argc, argv);
    // Before anything is said: the command line's answers and the refusals speak it too.
    ui::chooseLanguage(line.language.value_or(std::string()));
    if (line.answer != CommandLine::Answer::None)
        return answerCommandLine(line);
    // Before the toolkit starts: it aborts by itself where it finds no display.
    if (!ui::prepareDisplay(argc, argv))
        return 1;
    QApplication app(argc, argv);
    ui::forgetPlatformChoice();
    ui::initApplication(app);
    ui::installLanguage();
    chooseDisplayScale(line.scale);
    startPlayhaven();
    return app.exec();
}
