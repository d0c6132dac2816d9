// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The once-a-second hint while a part is carried: the part under the pointer, or the direction
// towards the carried part's place, alternating between the horizontal and the vertical.

#include "game/face_layout.h"
#include "game/game_state.h"

#include <QString>

#include <optional>

namespace gp {

struct Hint
{
    QString caption;
    QString cue; // empty for a silent hint
};

// What to show and sound this tick; nothing while no part is carried.
std::optional<Hint> hintTick(GameState& state, const FaceLayout& face);

} // namespace gp
