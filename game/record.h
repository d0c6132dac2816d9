// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

namespace gp {

// The high score, its holder and the check value stored with them. Until a record is loaded it is
// the default one, which every fresh installation starts with.
struct Record
{
    // 16 bits: the check value is computed over these exact values.
    QString holder = QStringLiteral("Todo");
    std::int16_t score = 600;
    std::int16_t checkValue = 0;
};

} // namespace gp
