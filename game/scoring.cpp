// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scoring.h"

#include "base/rounding.h"

#include <cmath>

namespace gp {

double remainingPercent(std::int32_t elapsedSeconds)
{
    const std::int32_t remaining = kTimeLimitSeconds - elapsedSeconds;
    const double percent = double(remaining) / kTimeLimitSeconds * 100.0;
    return percent < 0 ? 0.0 : percent;
}

std::int16_t computeScore(std::int32_t startDistance, std::int32_t totalDistance)
{
    if (startDistance <= 0)
        return 0;
    std::int32_t gain = startDistance - totalDistance;
    if (gain < 0)
        gain = 0;
    const double score = std::pow(double(gain) / double(startDistance), 8.0) * 1000.0;
    return std::int16_t(roundHalfEven(score));
}

QString ratingCue(std::int16_t score)
{
    if (score < 400)
        return QStringLiteral("Bad");
    if (score < 600)
        return QStringLiteral("Good");
    return QStringLiteral("VeryGood");
}

} // namespace gp
