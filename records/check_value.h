// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game_state.h"

#include <QStringView>
#include <cstdint>

namespace gp {

// The character's code in code page 932: a single byte as its value, a double byte as
// lead * 256 + trail; a character the code page cannot express counts as its "?" (0x3F).
std::uint16_t cp932Code(char32_t character);

// XOR of the name's code page 932 codes, masked by NOT score, on 16 bits.
std::int16_t checkValue(QStringView name, std::int16_t score);
std::int16_t checkValue(const GameState& state);

} // namespace gp
