#include "shell/Startup.h"

#include "shell/frmSkydash.h"
#include "ui/Program.h"

void startPlayhaven()
{
    ui::form<frmSkydash>().show();
}
