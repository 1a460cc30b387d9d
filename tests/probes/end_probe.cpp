// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the program from inside a nested modal show and reports, on standard output, every step
// that ran. Whatever follows the end must never print: not the rest of the handler that ended
// the program, and not the handler waiting further up the stack in the outer modal show.
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

void say(const char *step)
{
    std::printf("%s\n", step);
    std::fflush(stdout);
}

class ProbeDialog : public ui::Form {
public:
    explicit ProbeDialog(const QString &name = QStringLiteral("ProbeDialog"))
        : Form(name)
    {
    }

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f;
        f.caption = QStringLiteral("probe");
        f.border = ui::Border::Fixed;
        return f;
    }
};

class InnerDialog : public ProbeDialog {
public:
    InnerDialog()
        : ProbeDialog(QStringLiteral("InnerDialog"))
    {
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::initApplication(app);
    QTimer::singleShot(0, [] {
        ui::HandlerScope outerHandler;
        say("outer handler starts");
        QTimer::singleShot(0, [] {
            ui::HandlerScope innerHandler;
            say("inner handler starts");
            QTimer::singleShot(0, [] {
                say("ending");
                ui::End();
                say("AFTER END in the same handler");
            });
            if (!ui::form<InnerDialog>().showModal())
                say("AFTER END in the inner wait");
            say("AFTER END inner handler goes on");
        });
        const bool ok = ui::form<ProbeDialog>().showModal();
        say(ok ? "AFTER END outer handler goes on" : "AFTER END outer wait returned ended");
    });
    const int code = app.exec();
    say("AFTER END event loop returned");
    return code == 0 ? 3 : code;
}
