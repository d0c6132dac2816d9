// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace gp {

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
