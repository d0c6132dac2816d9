// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/face_layout.h"

namespace gp {

// Puts both girls' parts back into the start column.
void setUpFace(FaceLayout& face);

} // namespace gp
