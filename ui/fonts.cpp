// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include "game/rounding.h"

#include <QStringList>

namespace gp {

namespace {

QStringList families(FontFace face)
{
    switch (face) {
    case FontFace::MsMincho:
        return {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"),
                QStringLiteral("IPAMincho")};
    case FontFace::MsGothic:
        return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                QStringLiteral("IPAGothic")};
    case FontFace::MsPGothic:
        return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                QStringLiteral("IPAPGothic")};
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
