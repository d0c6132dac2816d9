// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include "base/rounding.h"

#include <QStringList>

namespace gp {

namespace {

// The Windows faces' own names are data, not text to translate: written as escapes they stay
// apart from the game's Japanese texts, which all go through the translation functions.
QStringList families(FontFace face)
{
    switch (face) {
    case FontFace::MsMincho:
        return {QStringLiteral(u"\uFF2D\uFF33 \u660E\u671D"), QStringLiteral("MS Mincho"),
                QStringLiteral("IPAMincho")};
    case FontFace::MsGothic:
        return {QStringLiteral(u"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF"),
                QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")};
    case FontFace::MsPGothic:
        return {QStringLiteral(u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF"),
                QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")};
    case FontFace::TimesNewRoman:
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    }
    return {};
}

} // namespace

QFont gameFont(FontFace face, double points, bool bold)
{
    QFont font;
    font.setFamilies(families(face));
    font.setPixelSize(roundHalfEven(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace gp
