// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/hint_tick.h"

#include "game/face_geometry.h"

#include <array>

namespace gp {

namespace {

struct DirectionHint
{
    const char* text;
    const char* cue;
};

constexpr DirectionHint kLeft{"もっと左 左 ！", "Left"};
constexpr DirectionHint kRight{"もっと右 右 ！", "Right"};
constexpr DirectionHint kUp{"もっと上 上 ！", "Up"};
constexpr DirectionHint kDown{"もっと下 下 ！", "Down"};

int chosenGirl(const GameBoard& board)
{
    return board.isGirlChosen(GirlA) ? GirlA : GirlB;
}

// The first of the girl's parts whose rectangle holds the point strictly inside, or -1.
int hiddenPartAt(const GameBoard& board, int girl, std::int16_t x, std::int16_t y)
{
    const float px = float(x);
    const float py = float(y);
    for (int i = 0; i < kPartCount; ++i) {
        const PartRect r = board.partRect(girl, i);
        const float right = r.left + r.width;
        const float bottom = r.top + r.height;
        if (r.left < px && px < right && r.top < py && py < bottom)
            return i;
    }
    return -1;
}

} // namespace

QString partHintText(int part)
{
    static const std::array<const char*, kPartCount> texts{"右眉の上", "左眉の上", "右目の上",
                                                           "左目の上", "鼻の上",   "口の上"};
    return QString::fromUtf8(texts[part]);
}

QString hintTick(GameState& state, GameBoard& board)
{
    if (!state.dragging)
        return {};
    if (state.pointerZone == PointerZone::Part) {
        board.setHintCaption(partHintText(state.partUnderPointer));
        return {};
    }
    const int girl = chosenGirl(board);
    if (state.pointerZone == PointerZone::Cover) {
        const int part = hiddenPartAt(board, girl, state.pointerX, state.pointerY);
        if (part >= 0) {
            board.setHintCaption(partHintText(part));
            return {};
        }
    }
    if (state.pointerZone == PointerZone::None) {
        board.setHintCaption(QStringLiteral("? ? ?"));
        return {};
    }

    const QPoint target = kTargets[girl][state.draggedPart];
    const bool horizontal = !state.nextHintVertical;
    state.nextHintVertical = horizontal;
    const DirectionHint& hint = horizontal ? (target.x() < state.pointerX ? kLeft : kRight)
                                           : (target.y() < state.pointerY ? kUp : kDown);
    board.setHintCaption(QString::fromUtf8(hint.text));
    // A vertical hint uses up the report: without a fresh one the next tick asks "? ? ?".
    if (!horizontal)
        state.pointerZone = PointerZone::None;
    return QString::fromLatin1(hint.cue);
}

} // namespace gp
