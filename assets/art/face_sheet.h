// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One girl's pictures at one scale: the blank face, the complete face and the six parts cut
// from it.

#include <QImage>
#include <QString>

#include <array>

namespace art {

class FaceSheet
{
public:
    // Draws girl (0 or 1) at scale 1 or 2. Returns an empty string, or why the art is unusable:
    // a feature reaching outside its own cut rectangle would leave a fragment of it on a
    // neighbouring part, or be cut off on its own.
    QString render(int girl, int scale);

    QImage blank;
    QImage complete;
    std::array<QImage, 6> parts;
};

} // namespace art
