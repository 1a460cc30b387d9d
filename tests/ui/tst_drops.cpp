// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DropEvents.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Drag.h"
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <QMimeData>
#include <QTest>

namespace {

// A stone with a picture inside it, as the board game has.
class StoneForm : public ui::Form {
    Q_OBJECT
public:
    StoneForm()
        : Form(QStringLiteral("StoneForm"))
    {
    }
    static ui::Row<ui::Image> car()
    {
        return image().picture(":/icons/cars32.png").dragIcon(":/icons/cars32.png").tag("CARS");
    }
    UI_CONTROL(picStone, pictureBox().at(100, 100, 1500, 1500));
    UI_CONTROL(imgInside, car().in(picStone).at(0, 0, 600, 600));
    UI_CONTROL(imgDragged, car().at(2000, 100, 600, 600));
    int drops = 0;

protected:
    ui::FormDesign formDesign() const override { return {}; }
    void wire() override
    {
        handle(picStone(), &ui::PictureBox::DragDrop, [this](ui::ControlBase *, double, double) { ++drops; });
    }
};

void drop(QWidget *target, QPoint at, ui::ControlBase *source)
{
    sendDrop(target, at, ui::dragPayload(source));
}

} // namespace

class DropsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    // Qt skips a disabled widget and offers the drop to its parent; the picture box must still
    // see that the drop landed on the picture, not on its own surface.
    void aDisabledPictureInsideABoxStillShieldsIt()
    {
        StoneForm &f = ui::form<StoneForm>();
        f.show();
        f.imgInside()->setEnabled(false);
        drop(f.imgInside(), QPoint(3, 3), f.imgDragged());
        QCOMPARE(f.drops, 0);
        f.imgInside()->setEnabled(true);
        drop(f.imgInside(), QPoint(3, 3), f.imgDragged());
        QCOMPARE(f.drops, 0);
        drop(f.picStone(), f.picStone()->rect().bottomRight() - QPoint(3, 3), f.imgDragged());
        QCOMPARE(f.drops, 1);
        // A hidden picture covers nothing.
        f.imgInside()->hide();
        drop(f.picStone(), QPoint(3, 3), f.imgDragged());
        QCOMPARE(f.drops, 2);
    }
};

PLAYHAVEN_TEST(DropsTest)
#include "tst_drops.moc"
