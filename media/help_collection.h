// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The compiled help file beside the program, and the collection its viewer keeps.

#include <QLatin1String>
#include <QString>

namespace gp {

// The help file's name in the program's folder.
inline constexpr QLatin1String kHelpFileName("portrait.hlp");

// The engine keeps a writable collection beside the read-only help file; the program's folder
// may not be writable, so it goes to a cache folder, one per help file so that two builds of the
// program never fight over it. This is its name in the given folder.
QString helpCollectionFile(const QString& helpFile, const QString& dir);

} // namespace gp
