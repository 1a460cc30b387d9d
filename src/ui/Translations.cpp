// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Translations.h"

#include "ui/LanguageChoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The build names the catalogues it compiles in; none yet means English alone.
#ifndef PLAYHAVEN_LANGUAGES
#define PLAYHAVEN_LANGUAGES ""
#endif

namespace ui {

std::vector<std::string> shippedLanguages()
{
    return ui::shippedLanguages(PLAYHAVEN_LANGUAGES);
}

std::string useLanguage(const std::string &chosen)
{
    const std::vector<std::string> shipped = shippedLanguages();
    std::string code = chosen;
    if (code.empty()) {
        std::vector<std::string> preferred;
        for (const QString &language : QLocale::system().uiLanguages())
            preferred.push_back(language.toStdString());
        code = chooseLanguage(preferred, shipped);
    }
    if (code == sourceLanguage || !QCoreApplication::instance())
        return std::string(sourceLanguage);
    // Kept for the whole run: a translator must outlive every text it translates.
    static QTranslator program, toolkit;
    const QString name = QString::fromStdString(code);
    if (program.load(QStringLiteral(":/i18n/playhaven_%1.qm").arg(name)))
        QCoreApplication::installTranslator(&program);
    if (toolkit.load(QStringLiteral("qtbase_%1").arg(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
    return code;
}

} // namespace ui
