// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"

#include <QTest>

using ui::form;

// Three buttons whose tab order runs against the order of the table.
class TabOrderForm : public ui::Form {
    Q_OBJECT
public:
    TabOrderForm()
        : Form(QStringLiteral("TabOrderForm"))
    {
    }
    UI_CONTROL(cmdThird, button().caption("3").at(120, 120, 975, 495).tabIndex(9));
    UI_CONTROL(cmdSecond, button().caption("2").at(120, 720, 975, 495).tabIndex(1));
    UI_CONTROL(cmdFirst, button().caption("1").at(1200, 720, 975, 495).tabIndex(0));

protected:
    ui::FormDesign formDesign() const override { return ui::FormDesign { QStringLiteral("tabs") }; }
};

// Button captions that wrap, and the focus a window opens with.
class ButtonsAndFocusTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    // Horizontal bands of dark caption pixels inside the button's border.
    static int textBands(QWidget *w)
    {
        const QImage image = w->grab().toImage();
        int bands = 0;
        bool inBand = false;
        for (int y = 4; y < image.height() - 4; ++y) {
            bool ink = false;
            for (int x = 4; x < image.width() - 4 && !ink; ++x)
                ink = image.pixelColor(x, y).lightness() < 80;
            if (ink && !inBand)
                ++bands;
            inBand = ink;
        }
        return bands;
    }

private slots:
    void init() { fx.restart(); }

    // A tall, narrow button shows its whole caption on several lines instead of clipping it.
    void aCaptionTooWideForOneLineWraps()
    {
        ui::Button narrow;
        narrow.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        narrow.setCaption(QStringLiteral("Return to Game"));
        narrow.resize(57, 97);
        QVERIFY(narrow.captionWraps());
        QVERIFY(textBands(&narrow) >= 2);
        QCOMPARE(narrow.Caption(), QStringLiteral("Return to Game"));

        ui::Button wide;
        wide.setFont(narrow.font());
        wide.setCaption(narrow.Caption());
        wide.resize(300, 40);
        QVERIFY(!wide.captionWraps());
        QCOMPARE(textBands(&wide), 1);
    }

    // An option button or check box shows its back colour around its text, not the button grey.
    void optionButtonsAndCheckBoxesShowTheirBackColour()
    {
        ui::OptionButton option;
        ui::CheckBox check;
        for (QWidget *w : { static_cast<QWidget *>(&option), static_cast<QWidget *>(&check) }) {
            w->resize(120, 20);
            ui::setBackColor(w, 0x00C0C0FF);
            const QImage image = w->grab().toImage();
            QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), QColor(255, 192, 192));
        }
    }

    void aWindowOpensWithTheFocusOnItsFirstTabStop()
    {
        TabOrderForm &f = form<TabOrderForm>();
        f.show();
        ProgramFixture::settle();
        QCOMPARE(f.view()->focusWidget(), static_cast<QWidget *>(f.cmdFirst()));
        f.cmdThird()->setFocus();
        f.unload();
        f.show(); // a new load starts from the design state again
        ProgramFixture::settle();
        QCOMPARE(f.view()->focusWidget(), static_cast<QWidget *>(f.cmdFirst()));
    }
};

PLAYHAVEN_TEST(ButtonsAndFocusTest)
#include "tst_buttons_and_focus.moc"
