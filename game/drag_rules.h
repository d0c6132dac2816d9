// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a carried face part goes, as the window reports presses, moves and drops. A press or a
// drop on a part gives its point in grab units from that part's corner; play areas and covers
// give play-area pixels.

#include "game/face_layout.h"
#include "game/game_state.h"

namespace gp {

// A grab offset is kept in fifteenths of a pixel, rounded to a 16-bit integer, and a dropped
// part lands by that rounded offset: the unit decides where it lands to a fraction of a pixel.
constexpr int kGrabUnitsPerPixel = 15;

// A press on a part; true when the window is to begin carrying it.
bool pressPart(GameState& state, const FaceLayout& face, int girl, int part, float x, float y);
void pointerOverPart(GameState& state, int part);
// The pointer over the play area or the cover.
void pointerAt(GameState& state, float x, float y, PointerZone zone);
// A drop on a part, the dragged one or another: the dragged part lands relative to it. True when
// the dragged part of that girl moved.
bool dropOnPart(GameState& state, FaceLayout& face, int girl, int part, float x, float y);
// A drop on the play area or the cover; the source is the carried part. True when it moved.
bool dropOnPlayArea(GameState& state, FaceLayout& face, int sourceGirl, int sourcePart, float x,
                    float y);

} // namespace gp
