// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/face_layout.h"

#include <cstdint>

namespace gp {

// Whole-pixel distance from the centre of a part's rectangle to its target.
std::int32_t partDistance(const PartRect& rect, QPoint target);

// Sum of the six part distances of the chosen girl.
std::int32_t measurePlacement(const FaceLayout& face);

} // namespace gp
