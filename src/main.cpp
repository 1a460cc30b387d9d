#include "shell/frmLogon.h"
#include "ui/Application.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    ui::form<frmLogon>().show();
    return app.exec();
}
