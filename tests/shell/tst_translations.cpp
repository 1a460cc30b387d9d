// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Startup.h"
#include "support/ProgramFixture.h"
#include "support/TestMain.h"
#include "ui/Application.h"
#include "ui/ControlBase.h"
#include "ui/Form.h"
#include "ui/Geometry.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, translation;
    bool finished = false;
};

QList<Message> readCatalogue(const QString &code)
{
    QFile file(QStringLiteral(PLAYHAVEN_TRANSLATIONS_DIR "/playhaven_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("message")) {
            m = Message { context, {}, {}, false };
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            m.finished = type.isEmpty() && !m.translation.trimmed().isEmpty();
            messages << m;
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
    return xml.hasError() ? QList<Message> {} : messages;
}

// The text a control shows, whatever its kind.
QString shownText(const QWidget *w)
{
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return {};
}

// Every text of every window: the title, each control's text and accessible name, each menu's
// and menu item's text, each keyed by where it stands.
using Texts = QMap<QString, QString>;

Texts windowTexts(ui::Form &window)
{
    Texts texts;
    QWidget *view = window.view();
    texts.insert(window.name() + QStringLiteral(" title"), view->windowTitle());
    for (QWidget *w : view->findChildren<QWidget *>()) {
        if (!ui::controlOf(w))
            continue;
        const QString where = window.name() + QLatin1Char('.') + w->objectName();
        texts.insert(where, shownText(w));
        texts.insert(where + QStringLiteral(" name"), w->accessibleName());
    }
    for (QAction *a : view->findChildren<QAction *>()) {
        if (!a->objectName().isEmpty())
            texts.insert(window.name() + QLatin1Char('.') + a->objectName(), a->text());
    }
    if (auto *bar = view->findChild<QMenuBar *>()) {
        for (QAction *a : bar->actions()) {
            if (a->menu())
                texts.insert(window.name() + QStringLiteral(" menu ") + a->menu()->objectName(), a->text());
        }
    }
    return texts;
}

Texts allTexts()
{
    Texts texts;
    for (ui::Form *window : allWindows()) {
        window->show();
        texts.insert(windowTexts(*window));
        window->hide();
    }
    return texts;
}

} // namespace

// Every shipped language: a complete catalogue, every text of every window shown in it (none
// left in English by a lookup in the wrong place) and every caption inside its control once the
// font rule has shrunk what it may.
class TranslationsTest : public QObject {
    Q_OBJECT
    ProgramFixture fx;

    static void useLanguage(const std::string &code)
    {
        ui::chooseLanguage(code);
        ui::installLanguage();
    }

private slots:
    void init() { fx.restart(); }
    void cleanup()
    {
        useLanguage("en");
        ui::useDisplayScale(1.0);
        fx.restart();
    }

    void theBuildShipsTheLanguages()
    {
        const std::vector<std::string> shipped = ui::shippedLanguages();
        for (const char *code : { "de", "fr", "es", "it", "pt_BR", "nl", "pl", "ru", "zh_CN" })
            QVERIFY2(std::find(shipped.begin(), shipped.end(), code) != shipped.end(), code);
    }

    void catalogueIsComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const std::string &code : ui::shippedLanguages())
            QTest::newRow(code.c_str()) << QString::fromStdString(code);
    }
    void catalogueIsComplete()
    {
        QFETCH(QString, code);
        const QList<Message> messages = readCatalogue(code);
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        QMap<QString, QSet<QChar>> accelerators;
        static const QRegularExpression accelerator(QStringLiteral("&([^&])"));
        for (const Message &m : messages) {
            const QString where = m.context + QStringLiteral(": ") + m.source.left(40);
            if (!m.finished) {
                faults << where + QStringLiteral(" is not translated");
                continue;
            }
            for (int n = 1; n <= 9; ++n) {
                const QString p = QStringLiteral("%%1").arg(n);
                if (m.source.count(p) != m.translation.count(p))
                    faults << where + QStringLiteral(" has %1 %2 times").arg(p).arg(m.translation.count(p));
            }
            if (m.source.count(QLatin1Char('\r')) != m.translation.count(QLatin1Char('\r')))
                faults << where + QStringLiteral(" breaks its lines otherwise");
            qsizetype lead = 0;
            while (lead < m.source.size() && m.source.at(lead) == QLatin1Char(' '))
                ++lead;
            if (lead > 0 && !m.translation.startsWith(QString(lead, QLatin1Char(' '))))
                faults << where + QStringLiteral(" loses its leading spaces");
            int sourceCount = 0;
            for (auto i = accelerator.globalMatch(m.source); i.hasNext(); i.next())
                ++sourceCount;
            int count = 0;
            for (auto i = accelerator.globalMatch(m.translation); i.hasNext();) {
                const QChar key = i.next().captured(1).at(0).toLower();
                ++count;
                if (accelerators[m.context].contains(key))
                    faults << where + QStringLiteral(" takes the accelerator %1 a second time").arg(key);
                accelerators[m.context].insert(key);
            }
            if (count != sourceCount)
                faults << where + QStringLiteral(" has %1 accelerators").arg(count);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void everyTextIsShownTranslatedAndFits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("scale");
        for (const std::string &code : ui::shippedLanguages()) {
            for (double scale : { 1.0, 1.75 })
                QTest::addRow("%s at %g", code.c_str(), scale) << QString::fromStdString(code) << scale;
        }
    }
    void everyTextIsShownTranslatedAndFits()
    {
        QFETCH(QString, code);
        QFETCH(double, scale);
        ui::useDisplayScale(scale);
        const Texts english = allTexts();
        // Texts a language writes as the English does ("OK", the games' names).
        QSet<QString> same;
        for (const Message &m : readCatalogue(code)) {
            if (m.translation == m.source)
                same.insert(m.source);
        }

        fx.restart();
        useLanguage(code.toStdString());
        QCOMPARE(QString::fromStdString(ui::runLanguage()), code);
        QStringList untranslated, cut;
        for (ui::Form *window : allWindows()) {
            window->show();
            const Texts texts = windowTexts(*window);
            for (auto t = texts.cbegin(); t != texts.cend(); ++t) {
                const QString source = english.value(t.key());
                // Numbers, letters and texts without a letter are the same in every language, and so
                // is the launcher's banner, the program's name drawn letter by letter.
                const bool hasWords = source.count(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))) > 0;
                const bool banner = t.key().startsWith(QLatin1String("frmSkydash.lblName("));
                if (hasWords && !banner && t.value() == source && !same.contains(source))
                    untranslated << t.key() + QStringLiteral(" \"") + source + QLatin1Char('"');
            }
            for (QWidget *w : window->view()->findChildren<QWidget *>()) {
                const ui::ControlBase *control = ui::controlOf(w);
                const QString where = window->name() + QLatin1Char('.') + w->objectName();
                if (control && !control->captionFits(english.value(where)))
                    cut << where + QStringLiteral(" \"") + shownText(w) + QLatin1Char('"');
            }
            // PLAYHAVEN_TRANSLATION_SHOTS=DIR keeps a picture of every window for a person to
            // look at.
            const QString shots = qEnvironmentVariable("PLAYHAVEN_TRANSLATION_SHOTS");
            if (!shots.isEmpty())
                window->view()->grab().save(
                    QStringLiteral("%1/%2-%3-%4.png").arg(shots, code, QString::number(scale), window->name()));
            window->hide();
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("too wide at 70 %:\n") + cut.join(QLatin1Char('\n'))));
    }
};

PLAYHAVEN_TEST(TranslationsTest)
#include "tst_translations.moc"
