// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The arithmetic of one game: the time gauge and the score with its rating.

#include <QString>
#include <cstdint>

namespace gp {

constexpr int kTimeLimitSeconds = 180;

// Percentage of the three minutes left after the given whole elapsed seconds; the integer 0 once
// time is up.
double remainingPercent(std::int32_t elapsedSeconds);

// (gain / start)^8 x 1000, rounded before it is rated. A start distance of 0 cannot arise in play
// (the set-up lays every part far from its target); should it, the score is 0 rather than a
// division by zero.
std::int16_t computeScore(std::int32_t startDistance, std::int32_t totalDistance);

// "Bad" below 400, "Good" to 599, "VeryGood" from 600.
QString ratingCue(std::int16_t score);

} // namespace gp
