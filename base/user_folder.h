// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace gp {

// A folder of the XDG base-directory rules: where the variable (XDG_CONFIG_HOME, XDG_CACHE_HOME)
// points if that is an absolute path, else the folder of that name under the home. Qt would take
// a relative value as it is, and spell a name that is not valid UTF-8 with replacement
// characters, so a different folder, beside the real one; such a folder is reached here through a
// descriptor of the nearest folder that exists, held open for the life of the program.
QString userFolder(const char* variable, const char* underHome);

} // namespace gp
