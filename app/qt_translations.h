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

// The desktop's language: the first English or Japanese entry of the LANGUAGE list; failing that,
// the language of the locale (LC_ALL, LC_MESSAGES or LANG, the first one set), where C, C.UTF-8,
// POSIX and no locale at all count as Japanese, the game's own language, as Japanese does, and
// any other language as English.
GameLanguage chooseGameLanguage();

// Installs what language needs into app; false when a catalogue it needs was missing.
bool installTranslations(QCoreApplication& app, GameLanguage language);

// Loads Qt's Japanese catalogues from folder (Qt's translations folder when empty) into app.
// Returns how many were found; without any, Qt's texts simply stay English.
int installQtJapanese(QCoreApplication& app, const QString& folder = QString());

} // namespace gp
