// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a game's time comes from. A monotonic clock, so a change of the wall clock, a daylight
// saving shift or midnight can neither end nor stretch a game.

#include <chrono>

namespace gp {

class GameClock
{
public:
    virtual ~GameClock() = default;
    virtual double seconds() const = 0;
};

class SteadyGameClock : public GameClock
{
public:
    double seconds() const override
    {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace gp
