// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/evaluation.h"

#include "base/rounding.h"

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

std::int32_t measurePlacement(const FaceLayout& face)
{
    // Each part is rounded before summing, so the total is a sum of whole-pixel distances.
    const int girl = face.chosenGirl;
    std::int32_t total = 0;
    for (int part = 0; part < kPartCount; ++part)
        total += partDistance(face.parts[girl][part], kTargets[girl][part]);
    return total;
}

} // namespace gp
