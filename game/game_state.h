// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The state the handlers share during a game; zero at program start.

#include <cstdint>

namespace gp {

// Where the pointer was last reported while a part is carried.
enum class PointerZone { None, PlayArea, Part, Cover };

struct GameState
{
    bool gameRunning = false;
    // The done button ended the game; only such a game is scored.
    bool doneDeclared = false;
    // Covers off and the carried part's outline shown, for the next game only.
    bool debugNextGame = false;
    bool dragging = false;
    int draggedPart = 0;
    int partUnderPointer = 0;
    PointerZone pointerZone = PointerZone::None;
    bool nextHintVertical = false;

    // Fixed widths where the arithmetic depends on them: a drop computes a part's place from
    // positions and grab offsets rounded to 16 bits, distances are summed in 32 bits, and the
    // score is the 16-bit value a record keeps.
    std::int16_t grabOffsetX = 0; // in grab units (kGrabUnitsPerPixel) from the part's corner
    std::int16_t grabOffsetY = 0;
    std::int16_t dragStartLeft = 0; // the dragged part's place at the press, play-area pixels
    std::int16_t dragStartTop = 0;
    std::int16_t pointerX = 0; // last pointer position over play area or cover, pixels
    std::int16_t pointerY = 0;
    std::int32_t measuredDistance = 0; // sum of the six part distances, last measured
    std::int32_t startDistance = 0;    // the same at set-up
    std::int16_t score = 0;
};

} // namespace gp
