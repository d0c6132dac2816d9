// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/drag_rules.h"

#include "base/rounding.h"

namespace gp {

namespace {

constexpr double kUnits = kGrabUnitsPerPixel;

std::int16_t round16(double value)
{
    return std::int16_t(roundHalfEven(value));
}

} // namespace

bool pressPart(GameState& state, const FaceLayout& face, int girl, int part, float x, float y)
{
    if (!state.gameRunning)
        return false;
    state.dragging = true;
    state.draggedPart = part;
    const bool chosen = face.chosenGirl == girl;
    if (chosen) {
        const PartRect& r = face.parts[girl][part];
        state.dragStartLeft = round16(r.left);
        state.dragStartTop = round16(r.top);
    }
    state.grabOffsetX = round16(x);
    state.grabOffsetY = round16(y);
    return chosen;
}

void pointerOverPart(GameState& state, int part)
{
    state.pointerZone = PointerZone::Part;
    state.partUnderPointer = part;
}

void pointerAt(GameState& state, float x, float y, PointerZone zone)
{
    state.pointerX = round16(x);
    state.pointerY = round16(y);
    state.pointerZone = zone;
}

bool dropOnPart(GameState& state, FaceLayout& face, int girl, int part, float x, float y)
{
    if (!state.gameRunning)
        return false;
    state.dragging = false;
    if (face.chosenGirl != girl)
        return false;
    const int dragged = state.draggedPart;
    double left;
    double top;
    if (part == dragged) {
        left = state.dragStartLeft + (x - state.grabOffsetX) / kUnits;
        top = state.dragStartTop + (y - state.grabOffsetY) / kUnits;
    } else {
        const PartRect& target = face.parts[girl][part];
        left = target.left + (x - state.grabOffsetX) / kUnits;
        top = target.top + (y - state.grabOffsetY) / kUnits;
    }
    face.parts[girl][dragged].left = float(left);
    face.parts[girl][dragged].top = float(top);
    return true;
}

bool dropOnPlayArea(GameState& state, FaceLayout& face, int sourceGirl, int sourcePart, float x,
                    float y)
{
    if (!state.gameRunning)
        return false;
    state.dragging = false;
    if (face.chosenGirl != sourceGirl || sourcePart != state.draggedPart)
        return false;
    face.parts[sourceGirl][sourcePart].left = float(x - state.grabOffsetX / kUnits);
    face.parts[sourceGirl][sourcePart].top = float(y - state.grabOffsetY / kUnits);
    return true;
}

} // namespace gp
