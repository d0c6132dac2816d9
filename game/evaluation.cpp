// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/evaluation.h"

#include "base/rounding.h"

#include <array>
#include <cmath>

namespace gp {

std::int32_t partDistance(const PartRect& rect, QPoint target)
{
    const double centreX = double(rect.left) + double(rect.width) / 2.0;
    const double centreY = double(rect.top) + double(rect.height) / 2.0;
    const double dx = target.x() - centreX;
    const double dy = target.y() - centreY;
    return roundHalfEven(std::pow(dx * dx + dy * dy, 0.5));
}

namespace {

void measureGirl(const FaceBoard& board, int girl, std::array<std::int32_t, 7>& distances)
{
    for (int part = 0; part < kPartCount; ++part)
        distances[part + 1] = partDistance(board.partRect(girl, part), kTargets[girl][part]);
}

} // namespace

std::int32_t measurePlacement(const FaceBoard& board)
{
    // Each part is rounded before summing, so the total is a sum of whole-pixel distances.
    std::array<std::int32_t, 7> distances{};
    if (board.isGirlChosen(GirlA))
        measureGirl(board, GirlA, distances);
    if (board.isGirlChosen(GirlB))
        measureGirl(board, GirlB, distances);
    for (int i = 1; i <= kPartCount; ++i)
        distances[0] += distances[i];
    return distances[0];
}

} // namespace gp
