#pragma once

#include "game/face_board.h"
#include "game/face_geometry.h"
#include "game/game_state.h"

#include <cstdint>

namespace gp {

// Whole-pixel distance from the centre of a part's rectangle to its target.
std::int32_t partDistance(const PartRect& rect, PointI target);

// Sum of the six part distances of the checked girl (0 when neither girl is checked).
std::int32_t measurePlacement(const FaceBoard& board);

// Stores measurePlacement() in TotalDistance.
void EvaluatePlacement(GameState& state, const FaceBoard& board);

} // namespace gp
