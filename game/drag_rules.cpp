// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/drag_rules.h"

#include "game/face_geometry.h"
#include "base/rounding.h"

namespace gp {

namespace {

constexpr double kUnits = kGrabUnitsPerPixel;

std::int16_t round16(double value)
{
    return std::int16_t(roundHalfEven(value));
}

QString coordinateText(float value)
{
    return QString::number(double(value), 'g', 7);
}

} // namespace

DragRules::DragRules(GameState& state, GameBoard& board) : m_state(state), m_board(board) {}

bool DragRules::pressPart(int girl, int part, float x, float y)
{
    if (!m_state.gameRunning)
        return false;
    m_state.dragging = true;
    m_state.draggedPart = part;
    const bool chosen = m_board.isGirlChosen(girl);
    if (chosen) {
        const PartRect r = m_board.partRect(girl, part);
        m_state.dragStartLeft = round16(r.left);
        m_state.dragStartTop = round16(r.top);
    }
    m_state.grabOffsetX = round16(x);
    m_state.grabOffsetY = round16(y);
    return chosen;
}

void DragRules::pointerOverPart(int part)
{
    m_state.pointerZone = PointerZone::Part;
    m_state.partUnderPointer = part;
}

void DragRules::dropOnPart(int girl, int part, float x, float y)
{
    if (!m_state.gameRunning)
        return;
    m_state.dragging = false;
    if (!m_board.isGirlChosen(girl))
        return;
    const int dragged = m_state.draggedPart;
    double left;
    double top;
    if (part == dragged) {
        left = m_state.dragStartLeft + (x - m_state.grabOffsetX) / kUnits;
        top = m_state.dragStartTop + (y - m_state.grabOffsetY) / kUnits;
    } else {
        const PartRect target = m_board.partRect(girl, part);
        left = target.left + (x - m_state.grabOffsetX) / kUnits;
        top = target.top + (y - m_state.grabOffsetY) / kUnits;
    }
    m_board.setPartLeft(girl, dragged, float(left));
    m_board.setPartTop(girl, dragged, float(top));
}

void DragRules::reportPointer(float x, float y, PointerZone zone)
{
    m_board.setPointerCaptions(coordinateText(x), coordinateText(y));
    m_state.pointerX = round16(x);
    m_state.pointerY = round16(y);
    m_state.pointerZone = zone;
}

void DragRules::pointerOverPlayArea(float x, float y)
{
    reportPointer(x, y, PointerZone::PlayArea);
}

void DragRules::pointerOverCover(float x, float y)
{
    reportPointer(x, y, PointerZone::Cover);
}

void DragRules::dropOnPlayArea(int sourceGirl, int sourcePart, float x, float y)
{
    if (!m_state.gameRunning)
        return;
    m_state.dragging = false;
    for (int girl = 0; girl < kGirlCount; ++girl) {
        if (m_board.isGirlChosen(girl) && sourceGirl == girl && sourcePart == m_state.draggedPart) {
            m_board.setPartLeft(girl, sourcePart, float(x - m_state.grabOffsetX / kUnits));
            m_board.setPartTop(girl, sourcePart, float(y - m_state.grabOffsetY / kUnits));
        }
    }
}

} // namespace gp
