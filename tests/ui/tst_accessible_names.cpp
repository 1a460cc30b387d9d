// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Accessible.h"
#include "ui/Announce.h"
#include "ui/Pictures.h"

#include <QAccessible>
#include <QMenu>
#include <QTest>

using ui::form;

namespace {

// A fixed dialog with a close box and no cancel button, and controls named by their role.
class RoleForm : public ui::Form {
    Q_OBJECT
public:
    RoleForm()
        : Form(QStringLiteral("RoleForm"))
    {
    }
    UI_CONTROL(lblDigit, label().caption("7").accessibleName("First number").at(100, 100, 600, 600));
    UI_CONTROL(txtEntry, textBox().accessibleName("Entry").at(800, 100, 1200, 300));
    UI_CONTROL(linRule, line().from(0, 900).to(2000, 900).accessibleName("Rule"));

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f;
        f.caption = QStringLiteral("Roles");
        f.border = ui::Border::Fixed;
        return f;
    }
};

QString name(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}
QAccessible::Role role(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->role();
}

// What a screen reader is told has the focus, with the name it reads.
QList<QPair<QObject *, QString>> focusReports;
void reportFocus(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus)
        focusReports << qMakePair(event->object(), event->accessibleInterface()->text(QAccessible::Name));
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    void plainCaptionDropsTheMnemonicMarkerAndLineBreaks_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("plain");
        QTest::newRow("mnemonic") << "&User Name"
                                  << "User Name";
        QTest::newRow("ampersand") << "Tom && Jerry"
                                   << "Tom & Jerry";
        QTest::newRow("trailing") << "A&"
                                  << "A&";
        QTest::newRow("crlf") << "first\r\nsecond"
                              << "first second";
        QTest::newRow("lf") << "a\nb"
                            << "a b";
        QTest::newRow("blanks kept") << "     (click)"
                                     << "     (click)";
    }
    void plainCaptionDropsTheMnemonicMarkerAndLineBreaks()
    {
        QFETCH(QString, caption);
        QFETCH(QString, plain);
        QCOMPARE(ui::plainCaption(caption), plain);
    }

    void aControlIsNamedByItsCaptionAndFollowsIt()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QCOMPARE(name(f.lblCaption()), QString("design caption"));
        QCOMPARE(name(f.cmdGo()), QString("Go"));
        QCOMPARE(role(f.cmdGo()), QAccessible::Button);
        QCOMPARE(name(f.fraGroup()), QString("Group"));
        QCOMPARE(name(f.optA()), QString("A"));
        QCOMPARE(role(f.optA()), QAccessible::RadioButton);
        f.lblCaption()->setCaption("&Next\r\nline");
        QCOMPARE(name(f.lblCaption()), QString("Next line"));
        f.cmdGo()->setCaption("Stop");
        QCOMPARE(name(f.cmdGo()), QString("Stop"));
        QCOMPARE(role(f.imgMarker(0)), QAccessible::Graphic);
        QCOMPARE(role(f.picStone(0)), QAccessible::Button); // it takes a picked-up picture
    }

    void aRoleNameStaysAndTheCaptionBecomesTheDescription()
    {
        RoleForm &f = form<RoleForm>();
        f.show();
        QAccessibleInterface *digit = QAccessible::queryAccessibleInterface(f.lblDigit());
        QCOMPARE(digit->text(QAccessible::Name), QString("First number"));
        QCOMPARE(digit->text(QAccessible::Description), QString("7"));
        f.lblDigit()->setCaption("3");
        QCOMPARE(digit->text(QAccessible::Name), QString("First number"));
        QCOMPARE(digit->text(QAccessible::Description), QString("3"));
        f.txtEntry()->setTextValue("typed");
        QCOMPARE(name(f.txtEntry()), QString("Entry"));
        QCOMPARE(role(f.txtEntry()), QAccessible::EditableText);
        QCOMPARE(role(f.linRule()), QAccessible::Separator);
        QCOMPARE(name(f.linRule()), QString("Rule"));
    }

    // On a double-density screen the pictures come from their @2x files, at the same logical size.
    void picturesTakeTheirDoubleDensityVariant_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSize>("logical");
        QTest::newRow("icon at 1") << ":/icons/bicycle32.png" << 1.0 << QSize(32, 32) << QSize(32, 32);
        QTest::newRow("icon at 2") << ":/icons/bicycle32.png" << 2.0 << QSize(64, 64) << QSize(32, 32);
        QTest::newRow("small icon at 2") << ":/icons/cars16.png" << 2.0 << QSize(32, 32) << QSize(16, 16);
        QTest::newRow("big foot at 2") << ":/pictures/bigfoot.png" << 2.0 << QSize(220, 280) << QSize(110, 140);
        QTest::newRow("face icon at 2") << ":/icons/face.ico" << 2.0 << QSize(64, 64) << QSize(32, 32);
        QTest::newRow("no variant") << ":/appicon/playhaven-32.png" << 2.0 << QSize(32, 32) << QSize(32, 32);
    }
    void picturesTakeTheirDoubleDensityVariant()
    {
        QFETCH(QString, path);
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        QFETCH(QSize, logical);
        const QPixmap p = ui::sharpPixmap(path, ratio);
        QCOMPARE(p.size(), pixels);
        QCOMPARE(p.deviceIndependentSize().toSize(), logical);
    }

    // A text is said by a quiet stand-in reported as focused, two of them taking turns so that
    // the same words twice are two reports; the keyboard focus stays, nothing is drawn.
    void announceReportsAStandInNamedByTheTextAsFocused()
    {
        RoleForm &f = form<RoleForm>();
        f.show();
        f.view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.view()));
        f.txtEntry()->setFocus();
        focusReports.clear();
        const auto previous = ui::reportFocusTo(reportFocus);
        ui::announce(QStringLiteral("Cars: 2. Move to stone 2."));
        ui::announce(QStringLiteral("Again"));
        ui::announce(QStringLiteral("Again"));
        ui::reportFocusTo(previous);

        QCOMPARE(focusReports.size(), 3);
        QCOMPARE(focusReports[0].second, QStringLiteral("Cars: 2. Move to stone 2."));
        QCOMPARE(focusReports[2].second, QStringLiteral("Again"));
        QVERIFY(focusReports[0].first != focusReports[1].first);
        QCOMPARE(focusReports[2].first, focusReports[0].first);
        for (const auto &[object, text] : focusReports) {
            auto *standIn = qobject_cast<QWidget *>(object);
            QVERIFY(standIn && standIn->window() == f.view() && standIn != f.txtEntry());
            QVERIFY(standIn->size().isEmpty());
            QCOMPARE(standIn->focusPolicy(), Qt::NoFocus);
            QCOMPARE(role(standIn), QAccessible::Client);
        }
        QCOMPARE(QApplication::focusWidget(), f.txtEntry());
        QCOMPARE(ui::lastAnnouncement(), QStringLiteral("Again"));
    }

    // Said with a move of the focus, the text is the control's description while it has the
    // focus, and the control has its own back once the focus leaves.
    void focusAndAnnounceLendsTheDescriptionUntilTheFocusLeaves()
    {
        RoleForm &f = form<RoleForm>();
        f.show();
        f.view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.view()));
        f.lblDigit()->setFocusPolicy(Qt::StrongFocus);
        f.lblDigit()->setFocus();
        const QString own = f.txtEntry()->accessibleDescription();
        ui::focusAndAnnounce(f.txtEntry(), QStringLiteral("Your turn"));
        QCOMPARE(QApplication::focusWidget(), f.txtEntry());
        QCOMPARE(QAccessible::queryAccessibleInterface(f.txtEntry())->text(QAccessible::Description),
            QStringLiteral("Your turn"));
        f.lblDigit()->setFocus();
        QTRY_COMPARE(f.txtEntry()->accessibleDescription(), own);
    }

    // A fixed dialog whose only way out is its close box can be closed from the keyboard.
    void escClosesAFixedDialogWithoutACancelButton()
    {
        RoleForm &f = form<RoleForm>();
        f.show();
        QTest::keyClick(f.txtEntry(), Qt::Key_Escape);
        QVERIFY(!f.isLoaded());
    }

    void escIsTheCancelButtonWhereThereIsOneAndF10OpensTheMenus()
    {
        ProbeForm &f = form<ProbeForm>();
        f.show();
        QTest::keyClick(f.txtName(), Qt::Key_Escape);
        QCOMPARE(f.cancelClicks, 1);
        QVERIFY(f.isLoaded()); // a window with a Sizable frame is not closed by Esc
        QTest::keyClick(f.txtName(), Qt::Key_F10);
        QVERIFY(f.mnuFile()->menu()->isVisible());
        f.mnuFile()->menu()->close();
    }
};

PLAYHAVEN_TEST(AccessibleNamesTest)
#include "tst_accessible_names.moc"
