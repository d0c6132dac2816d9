// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/face_parts.h"

#include "game/face_geometry.h"

#include <QCoreApplication>

#include <array>

namespace gp {

namespace {

struct PartTexts
{
    const char* role;
    const char* name;
    const char* hint;
};

constexpr std::array<PartTexts, kPartCount> kParts{{
    {"rightEyebrow", QT_TRANSLATE_NOOP("Parts", "右眉"), QT_TRANSLATE_NOOP("Parts", "右眉の上")},
    {"leftEyebrow", QT_TRANSLATE_NOOP("Parts", "左眉"), QT_TRANSLATE_NOOP("Parts", "左眉の上")},
    {"rightEye", QT_TRANSLATE_NOOP("Parts", "右目"), QT_TRANSLATE_NOOP("Parts", "右目の上")},
    {"leftEye", QT_TRANSLATE_NOOP("Parts", "左目"), QT_TRANSLATE_NOOP("Parts", "左目の上")},
    {"nose", QT_TRANSLATE_NOOP("Parts", "鼻"), QT_TRANSLATE_NOOP("Parts", "鼻の上")},
    {"mouth", QT_TRANSLATE_NOOP("Parts", "口"), QT_TRANSLATE_NOOP("Parts", "口の上")},
}};

} // namespace

QString partName(int part)
{
    return QCoreApplication::translate("Parts", kParts[part].name);
}

QString partHintText(int part)
{
    return QCoreApplication::translate("Parts", kParts[part].hint);
}

QLatin1String partRole(int part)
{
    return QLatin1String(kParts[part].role);
}

} // namespace gp
