// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/hint_tick.h"

#include "game/face_parts.h"

#include <QCoreApplication>

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

// The first of the girl's parts whose rectangle holds the point strictly inside, or -1.
int hiddenPartAt(const FaceLayout& face, int girl, std::int16_t x, std::int16_t y)
{
    const float px = float(x);
    const float py = float(y);
    for (int i = 0; i < kPartCount; ++i) {
        const PartRect& r = face.parts[girl][i];
        const float right = r.left + r.width;
        const float bottom = r.top + r.height;
        if (r.left < px && px < right && r.top < py && py < bottom)
            return i;
    }
    return -1;
}

} // namespace

std::optional<Hint> hintTick(GameState& state, const FaceLayout& face)
{
    if (!state.dragging)
        return std::nullopt;
    if (state.pointerZone == PointerZone::Part)
        return Hint{partHintText(state.partUnderPointer), {}};
    const int girl = face.chosenGirl;
    if (state.pointerZone == PointerZone::Cover) {
        const int part = hiddenPartAt(face, girl, state.pointerX, state.pointerY);
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
