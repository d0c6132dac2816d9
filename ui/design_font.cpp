#include "ui/design_font.h"

#include "game/rounding.h"

#include <QStringList>

namespace gp {

namespace {

QStringList families(DesignFace face)
{
    switch (face) {
    case DesignFace::MsMincho:
        return {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"),
                QStringLiteral("IPAMincho")};
    case DesignFace::MsGothic:
        return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                QStringLiteral("IPAGothic")};
    case DesignFace::MsPGothic:
        return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                QStringLiteral("IPAPGothic")};
    case DesignFace::TimesNewRoman:
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    }
    return {};
}

} // namespace

QFont designFont(DesignFace face, double points, bool bold)
{
    QFont font;
    font.setFamilies(families(face));
    font.setPixelSize(roundHalfEven(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace gp
