// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/face_setup.h"

#include "game/evaluation.h"
#include "game/face_geometry.h"

namespace gp {

void setUpFace(GameState& state, FaceBoard& board)
{
    for (int part = 0; part < kPartCount; ++part) {
        for (int girl = 0; girl < kGirlCount; ++girl) {
            board.setPartLeft(girl, part, float(kStartColumnLeft[girl]));
            board.setPartDragIconTransparent(girl, part, !state.debugNextGame);
        }
    }
    for (int girl = 0; girl < kGirlCount; ++girl)
        for (int part = 0; part < kPartCount; ++part)
            board.setPartTop(girl, part, float(kStartColumnTop[part]));
    for (int girl = 0; girl < kGirlCount; ++girl)
        board.setCoverLeft(girl, 0);
    for (int girl = 0; girl < kGirlCount; ++girl)
        board.setCoverTop(girl, 0);
    board.setGaugeColor(kGaugeAmple);
    state.measuredDistance = measurePlacement(board);
    state.startDistance = state.measuredDistance;
}

} // namespace gp
