#include "shell/Startup.h"

#include "shell/frmLogon.h"
#include "shell/frmSkydash.h"
#include "ui/Program.h"

void installHome()
{
    ui::setHome([] { ui::form<frmSkydash>().show(); });
}

void startPlayhaven()
{
    installHome();
    ui::form<frmLogon>().show();
}
