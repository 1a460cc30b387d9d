// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmHelpBrookhop.h"
#include "help/frmHelpSpinzo.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Geometry.h"

#include "ui/KeyboardFocus.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using ui::form;

namespace {

QString sp(int n)
{
    return QString(n, QLatin1Char(' '));
}

const QString opening = QStringLiteral("\r\n\r\n");
const QString crlf = QStringLiteral("\r\n");

// Records, in order, which labels were shown or hidden, and whether the definition panel was
// already empty at that moment.
class VisibilityLog : public QObject {
public:
    explicit VisibilityLog(HelpWindow &w)
        : m_w(w)
    {
    }
    void watch(QWidget *label) { label->installEventFilter(this); }
    QStringList entries;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent) {
            const QString what = e->type() == QEvent::ShowToParent ? "show " : "hide ";
            const QString definition = m_w.lblDefinition()->Caption().isEmpty() ? "" : " (definition shown)";
            entries << what + o->objectName() + definition;
        }
        return false;
    }

private:
    HelpWindow &m_w;
};

// A topic's label by its name in the table: the window reaches its labels by index.
ui::Label *topic(HelpWindow &w, const QString &name)
{
    const auto &t = w.topics();
    for (std::size_t i = 0; i < t.contents.size(); ++i) {
        if (QString::fromStdString(t.contents[i].label) == name)
            return w.contentsLabel(i);
    }
    for (std::size_t i = 0; i < t.glossary.size(); ++i) {
        if (QString::fromStdString(t.glossary[i].label) == name)
            return w.glossaryLabel(i);
    }
    qFatal("no topic %s", qPrintable(name));
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    static void click(HelpWindow &w, const char *label)
    {
        ui::Label *l = topic(w, QString::fromLatin1(label));
        QVERIFY2(l->isVisible(), label); // a user can only click what is on the screen
        QTest::mouseClick(l, Qt::LeftButton);
    }
    static QString definition(HelpWindow &w) { return w.lblDefinition()->Caption(); }
    static bool glossaryShown(HelpWindow &w)
    {
        bool all = ui::visible(w.lblExitGlossary()), none = !all;
        for (const help::Topic &t : w.topics().glossary) {
            const bool v = ui::visible(topic(w, QString::fromStdString(t.label)));
            all = all && v;
            none = none && !v;
        }
        if (!all && !none)
            qWarning("the glossary is half shown");
        return all;
    }

private slots:
    void init() { fx.restart(); }

    void opensMaximizedWithItsPanelsAndTopics()
    {
        for (HelpWindow *w : { static_cast<HelpWindow *>(&form<frmHelpBrookhop>()),
                 static_cast<HelpWindow *>(&form<frmHelpSpinzo>()) }) {
            w->show();
            QCOMPARE(w->Caption(), QStringLiteral("Help"));
            QCOMPARE(w->BackColor(), 0x00FF8080u);
            QVERIFY(w->view()->windowState() & Qt::WindowMaximized);
            QCOMPARE(w->fraGlossary()->Left(), 3960.0);
            QCOMPARE(w->fraDefinition()->Width(), 3975.0);
            QCOMPARE(w->fraContents()->title(), QString());
            QCOMPARE(ui::backColor(w->fraDefinition()), 0x00FFFFFFu);
            QCOMPARE(w->lblDefinition()->parentWidget(), w->fraDefinition());
            QCOMPARE(definition(*w), QString());
            QVERIFY(!glossaryShown(*w));
            QCOMPARE(w->lblExitGlossary()->Caption(), sp(5) + "(click here to exit the glossary)");
            ui::Label *contents = topic(*w, "lblEnding");
            QCOMPARE(contents->parentWidget(), w->fraContents());
            QCOMPARE(contents->Top(), 5520.0);
            QCOMPARE(contents->Width(), 3375.0);
            QCOMPARE(contents->font().pointSizeF(), 9.75);
            QVERIFY(contents->font().bold());
            ui::Label *term = w->glossaryLabel(w->topics().glossary.size() - 1);
            QCOMPARE(term->parentWidget(), w->fraGlossary());
            QCOMPARE(term->Height(), 255.0);
            QCOMPARE(term->font().pointSizeF(), 8.25);
        }
        QCOMPARE(form<frmHelpBrookhop>().topics().contents.size(), 11u);
        QCOMPARE(form<frmHelpBrookhop>().topics().glossary.size(), 15u);
        QCOMPARE(form<frmHelpSpinzo>().topics().contents.size(), 11u);
        QCOMPARE(form<frmHelpSpinzo>().topics().glossary.size(), 8u);
    }

    // Build order is stacking and child order: the panels, then the exit label, then the topics
    // and the terms as their tables list them, each under its table name.
    void controlsAreBuiltInTableOrder()
    {
        for (HelpWindow *w : { static_cast<HelpWindow *>(&form<frmHelpBrookhop>()),
                 static_cast<HelpWindow *>(&form<frmHelpSpinzo>()) }) {
            QStringList onWindow;
            for (QWidget *c : w->fraContents()->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                onWindow << c->objectName();
            QCOMPARE(onWindow, (QStringList { "fraContents", "fraGlossary", "fraDefinition", "lblExitGlossary" }));
            const auto labelsIn = [](ui::Frame *panel) {
                QStringList names;
                for (ui::Label *l : panel->findChildren<ui::Label *>(Qt::FindDirectChildrenOnly))
                    names << l->objectName();
                return names;
            };
            QStringList contents, glossary;
            for (const help::Topic &t : w->topics().contents)
                contents << QString::fromStdString(t.label);
            for (const help::Topic &t : w->topics().glossary)
                glossary << QString::fromStdString(t.label);
            QCOMPARE(labelsIn(w->fraContents()), contents);
            QCOMPARE(labelsIn(w->fraGlossary()), glossary);
            QStringList indexed;
            for (int i = 0; i < contents.size() + glossary.size(); ++i)
                indexed << w->topicLabels(i)->objectName();
            QCOMPARE(indexed, contents + glossary);
        }
    }

    // Reaching a topic label of a window that is not loaded loads it, with fresh labels.
    void reachingATopicLabelLoadsTheWindow()
    {
        frmHelpSpinzo &h = form<frmHelpSpinzo>();
        QVERIFY(!h.isLoaded());
        ui::Label *first = topic(h, "lblRandom");
        QVERIFY(h.isLoaded() && !h.isVisible());
        QCOMPARE(first->Caption(), "random number" + sp(19) + "(click here)");
        h.unload();
        ui::Label *second = topic(h, "lblRandom");
        QVERIFY(h.isLoaded());
        QCOMPARE(second->window(), h.view());
        QCOMPARE(h.topicLabels.built(second->controlIndex()), static_cast<QObject *>(second));
    }

    void captionsKeepTheirExactSpacesAndFitTheirLabels()
    {
        frmHelpBrookhop &b = form<frmHelpBrookhop>();
        frmHelpSpinzo &s = form<frmHelpSpinzo>();
        const QString objectives = sp(19) + "CONTENTS" + sp(18) + "Objectives" + sp(19) + "(click here)";
        QCOMPARE(topic(b, "lblObj")->Caption(), objectives);
        QCOMPARE(topic(s, "lblObj")->Caption(), objectives);
        QCOMPARE(topic(b, "lblAltMove")->Caption(), sp(7) + "----- alternative way to move" + sp(42) + "(click here)");
        QCOMPARE(topic(b, "lbl_cIcon")->Caption(), "cars icon" + sp(33) + "(click here)");
        QCOMPARE(topic(s, "lblOpen")->Caption(), sp(6) + "----- Open limits" + sp(5) + "(click here)");
        QCOMPARE(topic(s, "lblWins")->Caption(), "Wins" + sp(40) + "(click here)");
        QCOMPARE(topic(s, "lblGlossary")->Caption(), "Glossary" + sp(23) + "(click here)");
        // With the design fonts no wrapped caption is taller than its label.
        for (HelpWindow *w : { static_cast<HelpWindow *>(&b), static_cast<HelpWindow *>(&s) }) {
            QList<ui::Label *> labels { w->lblExitGlossary() };
            for (const auto *list : { &w->topics().contents, &w->topics().glossary })
                for (const help::Topic &t : *list)
                    labels << topic(*w, QString::fromStdString(t.label));
            for (ui::Label *l : labels)
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
        }
    }

    void rulesShowTheThreeRuleTextsOneAfterAnother()
    {
        frmHelpBrookhop &h = form<frmHelpBrookhop>();
        h.show();
        click(h, "lblRule1");
        const QString rule1 = definition(h);
        QCOMPARE(rule1,
            opening + "RULE1:" + sp(10)
                + "You lose a turn when the spinner generates zero(0).  The next player must click his "
                  "option button.  No adjustment is made.");
        click(h, "lblRule2");
        const QString rule2 = definition(h);
        QCOMPARE(rule2,
            opening + "RULE2:" + sp(10)
                + "Two markers may not be on the same 'stone'.  If  one player is already on a 'stone', the "
                  "second player must go back to START.  This will occur automatically and the player's "
                  "position is is automatically adjusted.");
        click(h, "lblRule3");
        const QString rule3 = definition(h);
        QVERIFY(rule3.startsWith(opening + "RULE3:" + sp(10) + "You must reach"));
        click(h, "lblRules");
        QCOMPARE(definition(h), rule1 + rule2 + rule3);
        click(h, "lblRules"); // replaced, never appended
        QCOMPARE(definition(h), rule1 + rule2 + rule3);
    }

    void topicTextsKeepTheirIndentsAndLineBreaks()
    {
        frmHelpSpinzo &s = form<frmHelpSpinzo>();
        s.show();
        click(s, "lblSetLimits");
        QCOMPARE(definition(s),
            opening + sp(10)
                + "You can choose the limit range of the number of attempts you want to try your luck "
                  "from these five options:"
                + crlf + sp(20) + "Open Limits" + crlf + sp(20) + "10" + crlf + sp(20) + "25" + crlf + sp(20) + "100"
                + crlf + sp(20) + "Other");
        click(s, "lblEnding");
        QCOMPARE(definition(s),
            opening + sp(10) + "You click either the 'End' button or 'End' under the options menu." + crlf + sp(10)
                + "Then you either click the 'no' button in response to the question asking if you "
                  "want to see your highest score."
                + crlf + sp(30) + "OR" + opening + sp(10)
                + "Click 'Exit the Game' button after you see your highest score.");
    }

    void glossaryTermsShowTheirTexts()
    {
        frmHelpSpinzo &s = form<frmHelpSpinzo>();
        s.show();
        click(s, "lblGlossary");
        click(s, "lblPercentage");
        QCOMPARE(definition(s),
            opening + sp(10)
                + "percentage = the ratio of the amount of wins generated to the number of attempts "
                  "made."
                + crlf + sp(10) + "It is the quotient of these two numbers converted to a percent.");
        frmHelpBrookhop &b = form<frmHelpBrookhop>();
        b.show();
        click(b, "lblGlossary");
        click(b, "lblOptButton");
        QCOMPARE(definition(b),
            opening + sp(10)
                + "option button = one of three buttons above the icon symbols for the marker.  Used "
                  "to get the number of places to move form the current position.");
    }

    void glossaryShowsAndHidesItsTermsInTableOrder()
    {
        frmHelpSpinzo &h = form<frmHelpSpinzo>();
        h.show();
        VisibilityLog log(h);
        QStringList shown, hidden;
        for (const help::Topic &t : h.topics().glossary) {
            log.watch(topic(h, QString::fromStdString(t.label)));
            shown << "show " + QString::fromStdString(t.label) + " (definition shown)";
            hidden << "hide " + QString::fromStdString(t.label);
        }
        log.watch(h.lblExitGlossary());
        shown << "show lblExitGlossary (definition shown)";
        hidden << "hide lblExitGlossary";
        QCOMPARE(shown.first(), "show lblAttempts (definition shown)");
        QCOMPARE(hidden.at(7), "hide lblWins");

        click(h, "lblPlay");
        const QString play = definition(h);
        click(h, "lblGlossary");
        QCOMPARE(log.entries, shown);
        QCOMPARE(definition(h), play); // the Glossary topic has no text of its own
        log.entries.clear();
        click(h, "lblGlossary"); // already shown: nothing changes
        QVERIFY(log.entries.isEmpty());
        QCOMPARE(definition(h), play);
        // The definition is cleared first, then the terms and the exit label are hidden.
        QTest::mouseClick(h.lblExitGlossary(), Qt::LeftButton);
        QCOMPARE(log.entries, hidden);
        QCOMPARE(definition(h), QString());
        QVERIFY(!glossaryShown(h));
    }

    void topicClicksLeaveTheGlossaryAsItWas()
    {
        frmHelpBrookhop &h = form<frmHelpBrookhop>();
        h.show();
        click(h, "lblMove");
        QVERIFY(!glossaryShown(h));
        click(h, "lblGlossary");
        click(h, "lblOne");
        QVERIFY(glossaryShown(h));
        QVERIFY(definition(h).contains("image icon below the option button"));
        click(h, "lbl_bIcon");
        QCOMPARE(definition(h), opening + sp(10) + "bicycle icon = one player");
        QVERIFY(glossaryShown(h));
    }

    void showingItAgainWhileOpenKeepsItsState()
    {
        frmHelpBrookhop &h = form<frmHelpBrookhop>();
        h.show();
        click(h, "lblGlossary");
        click(h, "lblSpinner");
        const QString spinner = definition(h);
        h.show();
        QVERIFY(glossaryShown(h));
        QCOMPARE(definition(h), spinner);
    }

    void closingDiscardsItsStateAndTheNextOpeningStartsAfresh()
    {
        frmHelpSpinzo &h = form<frmHelpSpinzo>();
        h.show();
        click(h, "lblGlossary");
        click(h, "lblEnd");
        QVERIFY(!definition(h).isEmpty());
        h.view()->close(); // the close box: the window layer unloads the window
        fx.settle();
        QVERIFY(!h.isLoaded());
        h.show();
        QVERIFY(h.isVisible());
        QCOMPARE(definition(h), QString());
        QVERIFY(!glossaryShown(h));
        click(h, "lblGlossary"); // and the new controls answer their clicks
        click(h, "lbl_10");
        QCOMPARE(definition(h), opening + sp(10) + "Gives you ten (10) attempts to try your luck.");
    }

    // Without a mouse: Tab reaches every topic in order, Space or Enter opens it, and the
    // glossary's terms and exit label join the tab order while they show.
    void topicsCanBeReadWithTheKeyboard()
    {
        frmHelpSpinzo &h = form<frmHelpSpinzo>();
        h.show();
        h.view()->activateWindow();
        QTRY_VERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget(), h.contentsLabel(0));
        QStringList reached;
        for (int i = 0; i < 40 && reached.size() < int(h.topics().contents.size()); ++i) {
            QWidget *focus = QApplication::focusWidget();
            if (!reached.contains(focus->objectName()))
                reached << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QStringList contents;
        for (const help::Topic &t : h.topics().contents)
            contents << QString::fromStdString(t.label);
        QCOMPARE(reached, contents);

        ui::Label *glossary = topic(h, "lblGlossary");
        glossary->setFocus();
        QTest::keyClick(glossary, Qt::Key_Return);
        QVERIFY(glossaryShown(h));
        ui::Label *wins = topic(h, "lblWins");
        QVERIFY(wins->focusPolicy() & Qt::TabFocus);
        wins->setFocus();
        QTest::keyClick(wins, Qt::Key_Space);
        QVERIFY(definition(h).contains("wins = each time a seven"));
        h.lblExitGlossary()->setFocus();
        QTest::keyClick(h.lblExitGlossary(), Qt::Key_Enter);
        QVERIFY(!glossaryShown(h));
        QCOMPARE(definition(h), QString());
        // A plain label (the definition) is no tab stop.
        QCOMPARE(h.lblDefinition()->focusPolicy(), Qt::NoFocus);
    }

    // Esc closes a help window, and the control that had the focus before it has it again, also
    // when the window was opened from the keyboard through the menus (the menu bar holds the
    // focus then).
    void escClosesAndTheFocusGoesBackPastTheMenus()
    {
        ui::followInputKind();
        QWidget host;
        auto *spin = new QPushButton(QStringLiteral("Spin"), &host);
        auto *bar = new QMenuBar(&host);
        bar->move(0, 40);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        spin->setFocus();
        bar->setFocus(Qt::MenuBarFocusReason);
        QCOMPARE(QApplication::focusWidget(), bar);

        frmHelpSpinzo &h = form<frmHelpSpinzo>();
        h.show();
        h.view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.view()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!h.isLoaded());
        QTRY_COMPARE(QApplication::focusWidget(), spin);
    }

    // The help windows open maximized and so take F11 for full screen, back and forth.
    void f11TogglesFullScreen()
    {
        for (HelpWindow *h : { static_cast<HelpWindow *>(&form<frmHelpBrookhop>()),
                 static_cast<HelpWindow *>(&form<frmHelpSpinzo>()) }) {
            h->show();
            QTest::keyClick(h->view(), Qt::Key_F11);
            QVERIFY(h->view()->isFullScreen());
            QTest::keyClick(h->view(), Qt::Key_F11);
            QVERIFY(!h->view()->isFullScreen());
            QVERIFY(h->view()->isMaximized());
        }
    }
};

PLAYHAVEN_TEST(HelpWindowsTest)
#include "tst_help_windows.moc"
