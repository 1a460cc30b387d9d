// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestMain.h"
#include "ui/LanguageChoice.h"

#include <QStringList>
#include <QTest>

namespace {

std::vector<std::string> split(const QString &words)
{
    std::vector<std::string> out;
    for (const QString &w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out.push_back(w.toStdString());
    return out;
}

const QString shipped = QStringLiteral("de fr es it pt_BR nl pl ru zh_CN");

} // namespace

// A child whose desktop speaks German must get German, one whose desktop prefers English must
// keep the windows' own English, and a language the program does not ship must fall back, one
// preference after another, never to a wrong variant of a language (Traditional Chinese readers
// do not get the Simplified catalogue).
class LanguageRulesTest : public QObject {
    Q_OBJECT

private slots:
    void theDesktopsFirstShippedLanguageIsChosen_data()
    {
        QTest::addColumn<QString>("preferred"); // as the toolkit lists the desktop's languages
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << "de-DE"
                                << "de";
        QTest::newRow("Austrian German") << "de-AT de"
                                         << "de";
        QTest::newRow("Brazil") << "pt-BR"
                                << "pt_BR";
        QTest::newRow("Portuguese without a country") << "pt"
                                                      << "pt_BR";
        QTest::newRow("Portugal is not Brazil") << "pt-PT"
                                                << "en";
        QTest::newRow("Simplified Chinese") << "zh-Hans-CN zh-CN zh"
                                            << "zh_CN";
        QTest::newRow("Traditional Chinese") << "zh-Hant-TW zh-TW"
                                             << "en";
        QTest::newRow("falls back in order") << "sv-SE nl-BE en-US"
                                             << "nl";
        QTest::newRow("English first") << "en-GB de-DE"
                                       << "en";
        QTest::newRow("unknown only") << "sv-SE fi-FI"
                                      << "en";
        QTest::newRow("none") << ""
                              << "en";
        QTest::newRow("a locale name with encoding") << "pl_PL.UTF-8"
                                                     << "pl";
        QTest::newRow("Russian") << "ru-RU"
                                 << "ru";
    }
    void theDesktopsFirstShippedLanguageIsChosen()
    {
        QFETCH(QString, preferred);
        QFETCH(QString, chosen);
        QCOMPARE(QString::fromStdString(ui::chooseLanguage(split(preferred), split(shipped))), chosen);
    }

    void theCommandLinesLanguageIsReadStrictly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // empty: refused
        QTest::newRow("English") << "en"
                                 << "en";
        QTest::newRow("German") << "de"
                                << "de";
        QTest::newRow("Brazil, catalogue spelling") << "pt_BR"
                                                    << "pt_BR";
        QTest::newRow("Brazil, tag spelling") << "pt-br"
                                              << "pt_BR";
        QTest::newRow("Portuguese alone is not a catalogue") << "pt"
                                                             << "";
        QTest::newRow("not shipped") << "sv"
                                     << "";
        QTest::newRow("English of a country") << "en_GB"
                                              << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("digits") << "12"
                                << "";
        QTest::newRow("an encoding") << "de.UTF-8"
                                     << "";
    }
    void theCommandLinesLanguageIsReadStrictly()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        const auto got = ui::readLanguageOption(text.toStdString(), split(shipped));
        QCOMPARE(got ? QString::fromStdString(*got) : QString(), read);
    }

    void theBuildsListNamesTheCatalogues()
    {
        QCOMPARE(ui::shippedLanguages("de fr;pt_BR, en"), (std::vector<std::string> { "de", "fr", "pt_BR" }));
        QVERIFY(ui::shippedLanguages("").empty());
    }
};

PLAYHAVEN_TEST(LanguageRulesTest)
#include "tst_language_rules.moc"
