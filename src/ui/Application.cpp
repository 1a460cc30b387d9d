#include "ui/Application.h"

#include "ui/CursorBlink.h"
#include "ui/Dialogs.h"
#include "ui/Program.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>

static void initResources()
{
    Q_INIT_RESOURCE(assets);
}

namespace ui {
namespace {

class PlayhavenStyle : public QProxyStyle {
public:
    PlayhavenStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    int styleHint(
        StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void initApplication(QApplication &app)
{
    initResources();
    app.setApplicationName(QStringLiteral("playhaven"));
    app.setApplicationDisplayName(QString());
    app.setQuitOnLastWindowClosed(false);
    app.setStyle(new PlayhavenStyle);
    app.setWindowIcon(QIcon(QStringLiteral(":/appicon/playhaven-64.png")));
    new CursorBlinkRest(CursorBlinkRest::defaultRestAfter, &app);
    Program::instance();
}

} // namespace ui
