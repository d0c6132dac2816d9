// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every floating value that becomes an integer in the game goes to the nearest integer, halves to
// the even neighbour (2.5 -> 2, 3.5 -> 4), whatever the caller's rounding mode.

#include <cmath>
#include <cstdint>

namespace gp {

inline double roundHalfEvenDouble(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

inline std::int32_t roundHalfEven(double value)
{
    return static_cast<std::int32_t>(roundHalfEvenDouble(value));
}

} // namespace gp
