#include "SoakInvariants.h"

#include "shell/frmSkydash.h"
#include "ui/Program.h"

namespace {

QString launcherInvariants()
{
    frmSkydash &launcher = ui::form<frmSkydash>();
    if (!launcher.isLoaded())
        return {};
    const double t1 = launcher.imgRocket1()->Top();
    const double t2 = launcher.imgRocket2()->Top();
    if (!launcher.tmrSkydash()->Enabled() && (t1 != 7680 || t2 != 7680))
        return QStringLiteral("rockets away from the start while no race runs: %1, %2").arg(t1).arg(t2);
    return {};
}

} // namespace

std::vector<SoakAgent::Invariant> soakInvariants()
{
    return {&launcherInvariants};
}

bool soakEndAllowed(const QString &lastAction)
{
    static const QStringList allowed = {
        QStringLiteral("click cmdExit"), QStringLiteral("menu mnuExit"), QStringLiteral("close box of frmSkydash"),
        QStringLiteral("click cmdCancel"), QStringLiteral("close box of frmLogon"), QStringLiteral("click cmdOK"),
        QStringLiteral("key 16777216 on frmLogon"), QStringLiteral("key 16777220 on frmLogon"),
    };
    for (const QString &a : allowed) {
        if (lastAction.startsWith(a))
            return true;
    }
    return false;
}
