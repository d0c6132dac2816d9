// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/face_board.h"
#include "game/game_state.h"

#include <cstdint>

namespace gp {

constexpr std::uint32_t kGaugeBlue = 0xFF0000;
constexpr std::uint32_t kGaugeYellow = 0x00FFFF;
constexpr std::uint32_t kGaugeRed = 0x0000FF;

// Puts both girls' parts back into the start column, lays the covers over the faces, paints the
// gauge blue and measures the start distance of the chosen girl.
void setUpFace(GameState& state, FaceBoard& board);

} // namespace gp
