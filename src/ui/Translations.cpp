// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Translations.h"

#include "ui/LanguageChoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The build names the catalogues it compiles in; none yet means English alone.
#ifndef PLAYHAVEN_LANGUAGES
#define PLAYHAVEN_LANGUAGES ""
#endif

namespace ui {

namespace {

// Kept for the whole run: a translator must outlive every text it translates.
struct Catalogues {
    std::string code { sourceLanguage };
    QTranslator program, toolkit;
    bool programLoaded = false, toolkitLoaded = false, installed = false;
};

Catalogues &catalogues()
{
    static Catalogues c;
    return c;
}

} // namespace

std::vector<std::string> shippedLanguages()
{
    return ui::shippedLanguages(PLAYHAVEN_LANGUAGES);
}

std::string chooseLanguage(const std::string &chosen)
{
    const std::vector<std::string> shipped = shippedLanguages();
    std::string code = chosen;
    if (code.empty()) {
        std::vector<std::string> preferred;
        for (const QString &language : QLocale::system().uiLanguages())
            preferred.push_back(language.toStdString());
        code = chooseLanguage(preferred, shipped);
    }
    Catalogues &c = catalogues();
    if (code == c.code)
        return code;
    // A run chooses once; a test may choose again, and the catalogues it had go first.
    if (c.installed) {
        QCoreApplication::removeTranslator(&c.program);
        QCoreApplication::removeTranslator(&c.toolkit);
        c.installed = false;
    }
    c.code = code;
    c.programLoaded = c.toolkitLoaded = false;
    if (code == sourceLanguage)
        return code;
    const QString name = QString::fromStdString(code);
    c.programLoaded = c.program.load(QStringLiteral(":/i18n/playhaven_%1.qm").arg(name));
    c.toolkitLoaded
        = c.toolkit.load(QStringLiteral("qtbase_%1").arg(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return code;
}

void installLanguage()
{
    Catalogues &c = catalogues();
    if (c.programLoaded)
        QCoreApplication::installTranslator(&c.program);
    if (c.toolkitLoaded)
        QCoreApplication::installTranslator(&c.toolkit);
    c.installed = QCoreApplication::instance() != nullptr;
}

std::string runLanguage()
{
    return catalogues().code;
}

bool translatedRun()
{
    return catalogues().programLoaded && catalogues().installed;
}

QString earlyText(const char *context, const char *source)
{
    const Catalogues &c = catalogues();
    if (c.programLoaded) {
        const QString shown = c.program.translate(context, source);
        if (!shown.isEmpty())
            return shown;
    }
    return QString::fromUtf8(source);
}

QLocale numberLocale()
{
    const Catalogues &c = catalogues();
    if (!c.programLoaded)
        return QLocale();
    return QLocale(QString::fromStdString(c.code));
}

} // namespace ui
