// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/hint_tick.h"

#include "game/face_geometry.h"

#include <QCoreApplication>

#include <array>

namespace gp {

namespace {

struct DirectionHint
{
    const char* text;
    const char* cue;
};

constexpr DirectionHint kLeft{QT_TRANSLATE_NOOP("Hints", "もっと左 左 ！"), "Left"};
constexpr DirectionHint kRight{QT_TRANSLATE_NOOP("Hints", "もっと右 右 ！"), "Right"};
constexpr DirectionHint kUp{QT_TRANSLATE_NOOP("Hints", "もっと上 上 ！"), "Up"};
constexpr DirectionHint kDown{QT_TRANSLATE_NOOP("Hints", "もっと下 下 ！"), "Down"};

int chosenGirl(const FaceBoard& board)
{
    return board.isGirlChosen(GirlA) ? GirlA : GirlB;
}

// The first of the girl's parts whose rectangle holds the point strictly inside, or -1.
int hiddenPartAt(const FaceBoard& board, int girl, std::int16_t x, std::int16_t y)
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
    static const std::array<const char*, kPartCount> texts{
        QT_TRANSLATE_NOOP("Hints", "右眉の上"), QT_TRANSLATE_NOOP("Hints", "左眉の上"),
        QT_TRANSLATE_NOOP("Hints", "右目の上"), QT_TRANSLATE_NOOP("Hints", "左目の上"),
        QT_TRANSLATE_NOOP("Hints", "鼻の上"),   QT_TRANSLATE_NOOP("Hints", "口の上")};
    return QCoreApplication::translate("Hints", texts[part]);
}

std::optional<Hint> hintTick(GameState& state, const FaceBoard& board)
{
    if (!state.dragging)
        return std::nullopt;
    if (state.pointerZone == PointerZone::Part)
        return Hint{partHintText(state.partUnderPointer), {}};
    const int girl = chosenGirl(board);
    if (state.pointerZone == PointerZone::Cover) {
        const int part = hiddenPartAt(board, girl, state.pointerX, state.pointerY);
        if (part >= 0)
            return Hint{partHintText(part), {}};
    }
    if (state.pointerZone == PointerZone::None)
        return Hint{QStringLiteral("? ? ?"), {}};

    const QPoint target = kTargets[girl][state.draggedPart];
    const bool horizontal = !state.nextHintVertical;
    state.nextHintVertical = horizontal;
    const DirectionHint& hint = horizontal ? (target.x() < state.pointerX ? kLeft : kRight)
                                           : (target.y() < state.pointerY ? kUp : kDown);
    // A vertical hint uses up the report: without a fresh one the next tick asks "? ? ?".
    if (!horizontal)
        state.pointerZone = PointerZone::None;
    return Hint{QCoreApplication::translate("Hints", hint.text), QString::fromLatin1(hint.cue)};
}

} // namespace gp
