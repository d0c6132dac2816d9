// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/face_board.h"
#include "game/game_state.h"

#include <QColor>

namespace gp {

// The time gauge's fill: ample time, under 30 % left, under 10 % left.
constexpr QColor kGaugeAmple{0x00, 0x00, 0xFF};
constexpr QColor kGaugeLow{0xFF, 0xFF, 0x00};
constexpr QColor kGaugeCritical{0xFF, 0x00, 0x00};

// Puts both girls' parts back into the start column, lays the covers over the faces, paints the
// gauge for ample time and measures the start distance of the chosen girl.
void setUpFace(GameState& state, FaceBoard& board);

} // namespace gp
