// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace gp {

GameLanguage chooseGameLanguage(const QStringList& uiLanguages, QLocale::Language language)
{
    // Tags come as "en-US", "ja", "en-Latn-GB"...; LANGUAGE's list comes first.
    for (const QString& tag : uiLanguages) {
        const QStringView language = QStringView(tag).left(tag.indexOf(QLatin1Char('-')));
        if (language == QLatin1String("ja"))
            return GameLanguage::Japanese;
        if (language == QLatin1String("en"))
            return GameLanguage::English;
    }
    return language == QLocale::C ? GameLanguage::Japanese : GameLanguage::English;
}

GameLanguage chooseGameLanguage()
{
    const QLocale desktop = QLocale::system();
    return chooseGameLanguage(desktop.uiLanguages(), desktop.language());
}

bool installTranslations(QCoreApplication& app, GameLanguage language)
{
    if (language == GameLanguage::Japanese)
        return installQtJapanese(app) > 0;
    auto* english = new QTranslator(&app);
    if (english->load(QStringLiteral(":/i18n/gal-portrait_en.qm")) &&
        app.installTranslator(english))
        return true;
    delete english;
    return false;
}

int installQtJapanese(QCoreApplication& app, const QString& folder)
{
    const QString dir =
        folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    int installed = 0;
    for (const char* catalogue : {"qtbase_ja", "qt_help_ja"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QLatin1String(catalogue), dir) && app.installTranslator(translator))
            ++installed;
        else
            delete translator;
    }
    return installed;
}

} // namespace gp
