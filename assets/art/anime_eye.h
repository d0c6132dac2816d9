// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One anime eye, drawn around its own centre with the outer corner towards -x; the caller
// mirrors the painter for the other eye. Both girls share it with different shapes and colours.

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace art {

struct EyeShape
{
    QPointF outer, inner;   // corners of the opening
    QPointF upper1, upper2; // cubic controls of the upper lid, outer to inner
    QPointF lower1, lower2; // cubic controls of the lower lid, inner to outer
    QRectF iris;
    qreal lashWidth;                   // upper lash line at its thickest
    QPointF wingTip;                   // where the flick at the outer corner ends
    QPointF crease1, crease2, crease3; // the fold above the lid: start, control, end
    qreal lowerLash; // share of the lower lid, from the outer corner, that gets a lash line
};

struct EyeColours
{
    QColor lash, irisDark, irisMid, irisLight, pupil, white, whiteShade, crease;
};

// light is +1 or -1: the side (in the eye's own coordinates) the highlights sit on, so that
// after mirroring both eyes still catch the light from the same side of the picture.
void paintEye(QPainter& p, const EyeShape& s, const EyeColours& c, qreal light);

} // namespace art
