// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One girl's pictures drawn from her SVG file at any device pixel ratio: the blank face, the
// complete face, and each part's own drawing. The build (assets/art) and the program draw with
// this same code, so the pictures packed at ratio 1 are the ones the program would draw.

#include "game/face_geometry.h"

#include <QImage>
#include <QRect>
#include <QSvgRenderer>

#include <array>

namespace gp {

// The ids of the six parts in the file, in part order (right eyebrow ... mouth), and of the group
// holding everything else.
inline constexpr std::array<const char*, kPartCount> kPartElementIds{
    "right-eyebrow", "left-eyebrow", "right-eye", "left-eye", "nose", "mouth"};
inline constexpr char kBlankElementId[] = "blank";

// The device pixels of a rectangle of logical pixels at a ratio, as Qt places a widget: its
// corner and its size each rounded, so a part's picture covers its control exactly wherever the
// control lies.
QRect deviceRect(const QRect& logical, qreal ratio);

class FaceRenderer
{
public:
    explicit FaceRenderer(const QString& svgFile);

    // The file was read and holds the blank face and all six parts.
    bool isValid() const;

    // Opaque, on white, at the given ratio; the image carries that ratio.
    QImage blank(qreal ratio);
    QImage complete(qreal ratio);
    // The part's own drawing on a transparent face-sized image.
    QImage partLayer(int part, qreal ratio);

private:
    QImage render(const char* elementId, qreal ratio, bool opaque);

    QSvgRenderer m_svg;
};

} // namespace gp
