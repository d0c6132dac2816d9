#include "game/hint_tick.h"

#include "game/face_geometry.h"

#include <array>

namespace gp {

namespace {

struct Direction
{
    const char* text;
    const char* cue;
};

// Index 0 is never used: the directions are numbered from 1.
constexpr std::array<Direction, 5> kDirections{{
    {"", ""},
    {"もっと左 左 ！", "Left"},
    {"もっと右 右 ！", "Right"},
    {"もっと上 上 ！", "Up"},
    {"もっと下 下 ！", "Down"},
}};

int selectedGirl(const GameBoard& board)
{
    return board.isGirlChecked(GirlA) ? GirlA : GirlB;
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

void Timer1_Timer(GameState& state, GameBoard& board,
                  const std::function<void(const QString& cue)>& playCue)
{
    if (state.Dragging == 0)
        return;
    if (state.DragZone == 2) {
        board.setHintCaption(partHintText(state.OverPart));
        return;
    }
    const int girl = selectedGirl(board);
    if (state.DragZone == 3) {
        const int part = hiddenPartAt(board, girl, state.DragX, state.DragY);
        if (part >= 0) {
            board.setHintCaption(partHintText(part));
            return;
        }
    }
    if (state.DragZone == 0) {
        board.setHintCaption(QStringLiteral("? ? ?"));
        return;
    }

    const PointI target = kTargets[girl][state.DragPart];
    int direction;
    const bool horizontal = state.HintAxis == 0;
    if (horizontal) {
        state.HintAxis = 1;
        direction = target.x < state.DragX ? 1 : 2;
    } else {
        state.HintAxis = 0;
        direction = target.y < state.DragY ? 3 : 4;
    }
    board.setHintCaption(QString::fromUtf8(kDirections[direction].text));
    if (playCue)
        playCue(QString::fromLatin1(kDirections[direction].cue));
    if (!horizontal)
        state.DragZone = 0;
}

} // namespace gp
