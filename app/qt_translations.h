// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game speaks the desktop's language when that is English or Japanese. Its texts are written
// in Japanese, its own language, so a Japanese game loads no catalogue of its own, only Qt's
// Japanese one for the standard buttons and menus; an English game loads the game's English
// catalogue, built into the program, and keeps Qt's built-in English.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace gp {

enum class GameLanguage { Japanese, English };

// The first of the user-interface languages (BCP 47 tags, as QLocale::uiLanguages() gives them)
// that is English or Japanese; with neither listed, Japanese for an unset, C or POSIX locale
// (language QLocale::C) and English for any other language.
GameLanguage chooseGameLanguage(const QStringList& uiLanguages, QLocale::Language language);

// The same for the desktop's locale, which honours LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
GameLanguage chooseGameLanguage();

// Installs what language needs into app; false when a catalogue it needs was missing.
bool installTranslations(QCoreApplication& app, GameLanguage language);

// Loads Qt's Japanese catalogues from folder (Qt's translations folder when empty) into app.
// Returns how many were found; without any, Qt's texts simply stay English.
int installQtJapanese(QCoreApplication& app, const QString& folder = QString());

} // namespace gp
