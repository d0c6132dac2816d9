#include "game/drag_handlers.h"

#include "game/rounding.h"

namespace gp {

namespace {

std::int16_t round16(double value)
{
    return std::int16_t(roundHalfEven(value));
}

QString coordinateText(float value)
{
    return QString::number(double(value), 'g', 7);
}

} // namespace

DragHandlers::DragHandlers(GameState& state, GameBoard& board, int twipsPerPixel)
    : m_state(state), m_board(board), m_tx(twipsPerPixel), m_ty(twipsPerPixel)
{
}

bool DragHandlers::Image_MouseDown(int girl, int index, float x, float y)
{
    if (m_state.GameRunning == 0)
        return false;
    m_state.Dragging = 1;
    m_state.DragPart = std::int16_t(index);
    const bool checked = m_board.isGirlChecked(girl);
    if (checked) {
        const PartRect r = m_board.partRect(girl, index);
        m_state.DragStartLeft = round16(r.left);
        m_state.DragStartTop = round16(r.top);
    }
    m_state.GrabX = round16(x);
    m_state.GrabY = round16(y);
    return checked;
}

void DragHandlers::Image_DragOver(int, int index)
{
    m_state.DragZone = 2;
    m_state.OverPart = std::int16_t(index);
}

void DragHandlers::Image_DragDrop(int girl, int index, float x, float y)
{
    if (m_state.GameRunning == 0)
        return;
    m_state.Dragging = 0;
    if (!m_board.isGirlChecked(girl))
        return;
    const int dragged = m_state.DragPart;
    double left;
    double top;
    if (index == dragged) {
        left = m_state.DragStartLeft + (x - m_state.GrabX) / m_tx;
        top = m_state.DragStartTop + (y - m_state.GrabY) / m_ty;
    } else {
        const PartRect target = m_board.partRect(girl, index);
        left = target.left + (x - m_state.GrabX) / m_tx;
        top = target.top + (y - m_state.GrabY) / m_ty;
    }
    m_board.setPartLeft(girl, dragged, float(left));
    m_board.setPartTop(girl, dragged, float(top));
}

void DragHandlers::reportOverPicture(float x, float y, std::int16_t zone)
{
    m_board.setPointerCaptions(coordinateText(x), coordinateText(y));
    m_state.DragX = round16(x);
    m_state.DragY = round16(y);
    m_state.DragZone = zone;
}

void DragHandlers::Picture1_DragOver(int, float x, float y)
{
    reportOverPicture(x, y, 1);
}

void DragHandlers::Picture2_DragOver(int, float x, float y)
{
    reportOverPicture(x, y, 3);
}

void DragHandlers::Picture_DragDrop(int sourceGirl, int sourceIndex, float x, float y)
{
    if (m_state.GameRunning == 0)
        return;
    m_state.Dragging = 0;
    for (int girl = 0; girl < 2; ++girl) {
        if (m_board.isGirlChecked(girl) && sourceGirl == girl && sourceIndex == m_state.DragPart) {
            m_board.setPartLeft(girl, sourceIndex, float(x - m_state.GrabX / m_tx));
            m_board.setPartTop(girl, sourceIndex, float(y - m_state.GrabY / m_ty));
        }
    }
}

} // namespace gp
