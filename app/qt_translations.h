// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt's own texts (standard buttons, the text fields' context menu, the help widgets) in Japanese,
// like everything else in the game, whatever the desktop's language.

#include <QString>

class QCoreApplication;

namespace gp {

// Loads Qt's Japanese catalogues from folder (Qt's translations folder when empty) into app.
// Returns how many were found; without any, Qt's texts simply stay English.
int installQtJapanese(QCoreApplication& app, const QString& folder = QString());

} // namespace gp
