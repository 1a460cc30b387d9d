#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Bars.h"
#include "ui/Form.h"

#include <QApplication>
#include <QTest>

namespace {

// A blue window with a toolbar and a status bar, as the board game has.
class BarsForm : public ui::Form {
    Q_OBJECT
public:
    BarsForm()
        : Form(QStringLiteral("BarsForm"))
    {
    }
    UI_CONTROL(ui::ToolBar, tbrMoves)
    UI_CONTROL(ui::StatusBar, sbrMessage)

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f;
        f.backColor = 0x00FF0000;
        return f;
    }
    QList<ui::ControlDesign> controls() const override
    {
        return {
            ui::toolBar("tbrMoves").buttons({ { QStringLiteral("a"), QStringLiteral("A"), {} } }),
            ui::statusBar("sbrMessage").panels({ { QStringLiteral("msg"), ui::PanelStyle::Text } }),
        };
    }
};

} // namespace

class BarsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    // The bars keep the system's colours on a coloured window, so their texts stay readable.
    void barsDoNotTakeTheWindowsBackColour()
    {
        BarsForm &f = ui::form<BarsForm>();
        f.show();
        const QColor system = QApplication::palette().color(QPalette::Window);
        QVERIFY(system != QColor(0, 0, 255));
        QCOMPARE(f.sbrMessage()->palette().color(QPalette::Window), system);
        QCOMPARE(f.tbrMoves()->palette().color(QPalette::Window), system);
        QCOMPARE(f.sbrMessage()->panel(0)->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::WindowText));
    }
};

PLAYHAVEN_TEST(BarsTest)
#include "tst_bars.moc"
