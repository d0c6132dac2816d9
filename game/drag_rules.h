// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a carried face part goes, as the window reports presses, moves and drops. A press or a
// drop on a part gives its point in grab units from that part's corner; play areas and covers
// give play-area pixels.

#include "game/game_board.h"
#include "game/game_state.h"

namespace gp {

// A grab offset is kept in fifteenths of a pixel, rounded to a 16-bit integer, and a dropped
// part lands by that rounded offset: the unit decides where it lands to a fraction of a pixel.
constexpr int kGrabUnitsPerPixel = 15;

class DragRules
{
public:
    DragRules(GameState& state, GameBoard& board);

    // A press on a part; true when the window is to begin carrying it.
    bool pressPart(int girl, int part, float x, float y);
    void pointerOverPart(int part);
    void pointerOverPlayArea(float x, float y);
    void pointerOverCover(float x, float y);
    // A drop on a part, the dragged one or another: the dragged part lands relative to it.
    void dropOnPart(int girl, int part, float x, float y);
    // A drop on the play area or the cover; the source is the carried part.
    void dropOnPlayArea(int sourceGirl, int sourcePart, float x, float y);

private:
    void reportPointer(float x, float y, PointerZone zone);

    GameState& m_state;
    GameBoard& m_board;
};

} // namespace gp
