// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's fonts are named after Windows faces that Linux lacks; each maps to a family list
// whose first installed member wins, so the Windows face is still used where it exists.

#include <QFont>

namespace gp {

enum class FontFace { MsMincho, MsGothic, MsPGothic, TimesNewRoman };

// Point sizes are meant for 96 dots per inch; the layout is in pixels, so the font is too.
QFont gameFont(FontFace face, double points, bool bold = false);

} // namespace gp
