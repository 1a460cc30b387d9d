#include "shell/Startup.h"

#include "shell/frmLogon.h"
#include "ui/Program.h"

void startPlayhaven()
{
    ui::form<frmLogon>().show();
}
