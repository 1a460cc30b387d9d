// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestForms.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Program.h"

#include <QAccessible>
#include <QMenu>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

namespace {

// Answers every text of one context with the text in capitals and its context: what a
// catalogue would give, without one.
class Capitals : public QTranslator {
public:
    explicit Capitals(const char *context)
        : m_context(context)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, m_context) != 0)
            return {};
        return QString::fromUtf8(source).toUpper() + QStringLiteral(" @") + QString::fromLatin1(context);
    }

private:
    const char *m_context;
};

} // namespace

// A control's caption, accessible name and menu text are shown in the language of the run,
// each looked up in the context of the class whose table declares it, where the translation
// tools find it; the windows' English stays the source, untouched where nothing is translated.
class TranslatedControlsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

private slots:
    void init() { fx.restart(); }

    void tableTextsAreTranslatedInTheirWindowsContext()
    {
        Capitals capitals("ProbeForm");
        QCoreApplication::installTranslator(&capitals);
        const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&capitals); });
        ProbeForm &f = ui::form<ProbeForm>();
        f.show();
        QCOMPARE(f.cmdGo()->Caption(), QStringLiteral("GO @ProbeForm"));
        QCOMPARE(f.lblCaption()->Caption(), QStringLiteral("DESIGN CAPTION @ProbeForm"));
        QCOMPARE(f.fraGroup()->title(), QStringLiteral("GROUP @ProbeForm"));
        QCOMPARE(f.optA()->text(), QStringLiteral("A @ProbeForm"));
        QCOMPARE(f.mnuQuit()->text(), QStringLiteral("QUIT @ProbeForm"));
        QCOMPARE(f.mnuFile()->menu()->title(), QStringLiteral("FILE @ProbeForm"));
        QCOMPARE(f.cmdGo()->accessibleName(), QStringLiteral("GO @ProbeForm"));
        // A text box's text is what was typed, never translated.
        QCOMPARE(f.txtName()->Text(), QString());
    }

    void withoutACatalogueTheSourceStandsAsWritten()
    {
        Capitals elsewhere("SomeOtherWindow");
        QCoreApplication::installTranslator(&elsewhere);
        const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&elsewhere); });
        ProbeForm &f = ui::form<ProbeForm>();
        f.show();
        QCOMPARE(f.cmdGo()->Caption(), QStringLiteral("Go"));
        QCOMPARE(f.lblCaption()->Caption(), QStringLiteral("design caption"));
    }
};

PLAYHAVEN_TEST(TranslatedControlsTest)
#include "tst_translated_controls.moc"
