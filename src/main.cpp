#include "shell/frmSkydash.h"
#include "ui/Application.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    ui::form<frmSkydash>().show();
    return app.exec();
}
