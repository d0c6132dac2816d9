// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The once-a-second hint while a part is carried: the part under the pointer, or the direction
// towards the carried part's place, alternating between the horizontal and the vertical.

#include "game/game_board.h"
#include "game/game_state.h"

namespace gp {

QString partHintText(int part);

// Returns the cue to sound with the hint, or an empty name for a silent one.
QString hintTick(GameState& state, GameBoard& board);

} // namespace gp
