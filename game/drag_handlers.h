#pragma once

// The drag and drop of face parts, as the play areas, covers and part images report it. Part
// images report pointer positions in twips from their own corner, play areas and covers in
// play-area pixels. Girl 0's parts are the Image1 array, girl 1's the Image3 array.

#include "game/game_board.h"
#include "game/game_state.h"

namespace gp {

class DragHandlers
{
public:
    DragHandlers(GameState& state, GameBoard& board, int twipsPerPixel = 15);

    // Returns true when the window is to begin carrying the part.
    bool Image_MouseDown(int girl, int index, float x, float y);
    void Image_DragOver(int girl, int index);
    void Image_DragDrop(int girl, int index, float x, float y);
    void Picture1_DragOver(int k, float x, float y);
    void Picture2_DragOver(int k, float x, float y);
    // A drop on play area or cover; the source is the carried part image.
    void Picture_DragDrop(int sourceGirl, int sourceIndex, float x, float y);

    bool Image1_MouseDown(int index, float x, float y) { return Image_MouseDown(0, index, x, y); }
    bool Image3_MouseDown(int index, float x, float y) { return Image_MouseDown(1, index, x, y); }
    void Image1_DragDrop(int index, float x, float y) { Image_DragDrop(0, index, x, y); }
    void Image3_DragDrop(int index, float x, float y) { Image_DragDrop(1, index, x, y); }

private:
    void reportOverPicture(float x, float y, std::int16_t zone);

    GameState& m_state;
    GameBoard& m_board;
    double m_tx;
    double m_ty;
};

} // namespace gp
