// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Announce.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// A box as it was shown, read from inside its exec() and closed there, so that a failed check
// can never leave a box open that nothing closes.
struct ShownBox {
    QSize size;
    int screenWidth = 0;
    QRect text; // the text's (or prompt's) label
    int textNeeds = 0; // the height its text needs at the label's width
    int lineHeight = 0; // one line in the label's font
    QSizeF sign;
    bool signDrawn = false; // opaque in the middle, clear in the corners
    QList<int> buttonWidths;
    int buttonsWithIcon = 0;
    QString description; // what a screen reader reads with the box's title
};

void recordTheNextBox(ShownBox &seen)
{
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.size = box->size();
        seen.description = box->accessibleDescription();
        seen.screenWidth = box->screen()->availableGeometry().width();
        QLabel *text = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (!text)
            text = box->findChild<QLabel *>(); // the input box's prompt
        if (text) {
            seen.text = text->geometry();
            seen.textNeeds = text->wordWrap() ? text->heightForWidth(text->width()) : text->sizeHint().height();
            seen.lineHeight = QFontMetrics(text->font()).height();
        }
        if (auto *messageBox = qobject_cast<QMessageBox *>(box); messageBox && !messageBox->iconPixmap().isNull()) {
            const QPixmap sign = messageBox->iconPixmap();
            const QImage image = sign.toImage();
            seen.sign = sign.deviceIndependentSize();
            seen.signDrawn = image.pixelColor(image.width() / 2, image.height() / 2).alpha() == 255
                && image.pixelColor(0, 0).alpha() == 0;
        }
        for (QAbstractButton *button : box->findChild<QDialogButtonBox *>()->buttons()) {
            seen.buttonWidths << button->width();
            seen.buttonsWithIcon += button->icon().isNull() ? 0 : 1;
        }
        box->reject();
    });
}

} // namespace

// Message and input boxes grow with the windows: a short question stays on one line, the sign
// is drawn at the size shown, the buttons are plain and as wide as the scale makes them.
class MessageBoxesTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init()
    {
        fx.restart();
        ui::setDialogs(nullptr);
    }
    void cleanup()
    {
        ui::setDialogs(&fx.dialogs);
        ui::useDisplayScale(1.0);
    }

    void aQuestionKeepsItsLineAndItsSignGrows_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("signSide");
        QTest::addColumn<int>("buttonWidth");
        QTest::newRow("1") << 1.0 << 32.0 << 80; // the style's own least width
        QTest::newRow("1.75") << 1.75 << 56.0 << 131;
    }
    void aQuestionKeepsItsLineAndItsSignGrows()
    {
        QFETCH(double, scale);
        QFETCH(double, signSide);
        QFETCH(int, buttonWidth);
        ui::useDisplayScale(scale);
        ShownBox seen;
        recordTheNextBox(seen);
        ui::MsgBox(
            QStringLiteral("Do you want to continue playing this game?"), ui::MsgButtons::YesNo, ui::MsgIcon::Question);
        QVERIFY(seen.lineHeight > 0);
        QCOMPARE(seen.text.height(), seen.lineHeight);
        QCOMPARE(seen.textNeeds, seen.lineHeight);
        QCOMPARE(seen.sign, QSizeF(signSide, signSide));
        QVERIFY(seen.signDrawn);
        QCOMPARE(seen.buttonWidths, QList<int>({ buttonWidth, buttonWidth }));
        QCOMPARE(seen.buttonsWithIcon, 0);

        recordTheNextBox(seen = {});
        ui::InputBox(QStringLiteral("Enter your own maximum number of attempts."));
        QCOMPARE(seen.text.height(), seen.lineHeight);
        QCOMPARE(seen.buttonWidths, QList<int>({ buttonWidth, buttonWidth }));
        QCOMPARE(seen.buttonsWithIcon, 0);
    }

    // A box that opens at once after something was said carries it, so that the screen reader
    // says both; once the program has been back in its event loop, a box carries nothing.
    void aBoxRightAfterAnAnnouncementCarriesIt()
    {
        ShownBox seen;
        ui::announce(QStringLiteral("4, 5, 5. No seven."));
        recordTheNextBox(seen);
        ui::MsgBox(QStringLiteral("Do you want to continue playing this game?"), ui::MsgButtons::YesNo);
        QCOMPARE(seen.description, QStringLiteral("4, 5, 5. No seven."));

        ui::announce(QStringLiteral("1, 7, 0. A seven! You win."));
        QCoreApplication::processEvents();
        recordTheNextBox(seen = {});
        ui::MsgBox(QStringLiteral("You lose a turn!"));
        QVERIFY(seen.size.isValid());
        QCOMPARE(seen.description, QString());
    }

    // The toolkit wraps a text only where the box would be wider than its own limit (half the
    // screen here); a text that must wrap is shown whole at every scale, with or without a sign,
    // on a width that grows with the scale as far as the screen allows.
    void aLongTextWrapsWholeOnAWidthThatGrowsWithTheScale()
    {
        const QString text = QStringLiteral("Only one player can stand on a stone. Move your marker back to where it "
                                            "was and spin again when it is your turn, or choose another stone.");
        QHash<double, int> textWidth;
        for (const ui::MsgIcon icon : { ui::MsgIcon::None, ui::MsgIcon::Exclamation }) {
            for (const double scale : { 0.75, 1.0, 1.25, 1.75 }) {
                const QByteArray where = QByteArray::number(scale) + (icon == ui::MsgIcon::None ? " plain" : " sign");
                ui::useDisplayScale(scale);
                ShownBox seen;
                recordTheNextBox(seen);
                ui::MsgBox(text, ui::MsgButtons::OK, icon);
                QVERIFY2(seen.textNeeds >= 2 * seen.lineHeight, where);
                QVERIFY2(seen.text.height() >= seen.textNeeds, where);
                QVERIFY2(seen.size.width() <= seen.screenWidth, where);
                if (icon == ui::MsgIcon::None)
                    textWidth[scale] = seen.text.width();
            }
        }
        // The test screens leave room for the box at 1.25 as the scale makes it; each margin is
        // rounded on its own, and at 1 the box may take a pixel more to pass the toolkit's limit.
        QVERIFY2(std::abs(textWidth[1.25] - 1.25 * textWidth[1.0]) <= 4,
            qPrintable(QStringLiteral("%1 at 1, %2 at 1.25").arg(textWidth[1.0]).arg(textWidth[1.25])));
    }
};

PLAYHAVEN_TEST(MessageBoxesTest)
#include "tst_message_boxes.moc"
