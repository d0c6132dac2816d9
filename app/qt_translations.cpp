// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace gp {

namespace {

// The language of a locale name or a LANGUAGE entry ("ja_JP.UTF-8", "en@euro", "fr"); empty for
// C and POSIX, whatever their code set.
QByteArray languageOf(const QByteArray& name)
{
    qsizetype end = 0;
    while (end < name.size() && name[end] != '_' && name[end] != '.' && name[end] != '@')
        ++end;
    const QByteArray language = name.left(end);
    return language == "C" || language == "POSIX" ? QByteArray() : language;
}

} // namespace

GameLanguage chooseGameLanguage()
{
    // Qt's own reading of these differs: a locale's language may outrank the LANGUAGE list, and
    // C.UTF-8 passes for English.
    for (const QByteArray& entry : qgetenv("LANGUAGE").split(':')) {
        const QByteArray language = languageOf(entry);
        if (language == "ja")
            return GameLanguage::Japanese;
        if (language == "en")
            return GameLanguage::English;
    }
    QByteArray locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (!(locale = qgetenv(variable)).isEmpty())
            break;
    const QByteArray language = languageOf(locale);
    return language.isEmpty() || language == "ja" ? GameLanguage::Japanese : GameLanguage::English;
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
