// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/record.h"

#include <QStringView>
#include <cstdint>

namespace gp {

// XOR of the name's code page 932 codes, masked by NOT score, on 16 bits.
std::int16_t checkValue(QStringView name, std::int16_t score);
std::int16_t checkValue(const Record& record);

} // namespace gp
