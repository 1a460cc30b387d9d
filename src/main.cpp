#include "shell/Startup.h"
#include "ui/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    startPlayhaven();
    return app.exec();
}
