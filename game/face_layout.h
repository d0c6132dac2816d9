// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where every part of both girls lies and which girl is played: all that the face rules read.

#include "game/face_geometry.h"

#include <array>

namespace gp {

// A part's place in play-area pixels, kept in single precision as the game computes it, and the
// size of its picture.
struct PartRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct FaceLayout
{
    FaceLayout()
    {
        for (int girl = 0; girl < kGirlCount; ++girl)
            for (int part = 0; part < kPartCount; ++part)
                parts[girl][part] = {0, 0, float(kPartSizes[girl][part].width()),
                                     float(kPartSizes[girl][part].height())};
    }

    int chosenGirl = GirlA;
    std::array<std::array<PartRect, kPartCount>, kGirlCount> parts;
};

} // namespace gp
