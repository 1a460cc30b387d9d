// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Form.h"
#include "ui/FormView.h"
#include "ui/Geometry.h"
#include "ui/Program.h"

#include <QTest>

namespace {

// A fixed dialog frame with neither caption nor control box: no title bar from the window
// manager, so the window draws its own border around the client area.
class BareDialog : public ui::Form {
    Q_OBJECT
public:
    BareDialog()
        : Form(QStringLiteral("BareDialog"))
    {
    }
    ui::Border border = ui::Border::FixedDialog;
    QString caption;

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f;
        f.caption = caption;
        f.backColor = 0x00FF0000;
        f.clientWidth = 3000;
        f.clientHeight = 1500;
        f.border = border;
        f.controlBox = false;
        return f;
    }
};

} // namespace

class DialogFrameTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    void aTitleLessDialogFrameDrawsItsOwnBorderAroundTheClientArea()
    {
        BareDialog &d = ui::form<BareDialog>();
        d.show();
        ui::FormView *v = d.view();
        QVERIFY(v->windowFlags() & Qt::FramelessWindowHint);
        const int border = v->dialogFrame();
        QVERIFY(border > 0);
        const QSize client(ui::twipsToPixels(3000), ui::twipsToPixels(1500));
        QCOMPARE(v->client()->size(), client);
        QCOMPARE(v->size(), client + QSize(2 * border, 2 * border));
        QCOMPARE(v->client()->pos(), QPoint(border, border));
        const QImage shot = v->grab().toImage();
        const QColor blue(0, 0, 255);
        QVERIFY(shot.pixelColor(0, v->height() / 2) != blue);
        QVERIFY(shot.pixelColor(v->width() - 1, v->height() - 1) != blue);
        QCOMPARE(shot.pixelColor(border + 2, border + 2), blue);
    }

    void aWindowWithATitleBarGetsNoBorderOfItsOwn()
    {
        BareDialog &d = ui::form<BareDialog>();
        d.caption = QStringLiteral("Titled");
        d.show();
        QCOMPARE(d.view()->dialogFrame(), 0);
        QCOMPARE(d.view()->client()->pos(), QPoint(0, 0));
    }
};

PLAYHAVEN_TEST(DialogFrameTest)
#include "tst_dialog_frame.moc"
