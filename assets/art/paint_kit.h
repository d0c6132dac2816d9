// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small drawing helpers shared by both girls and the icon: tapered strokes for line art, soft
// glows for blush and background light, and the jagged hem of a fringe.

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>
#include <vector>

class QPainter;

namespace art {

QColor withAlpha(QColor c, int alpha);

// A filled outline around the spine, w0 wide at its start, wMid in the middle and w1 at its end:
// pen strokes cannot taper, and line art without taper looks mechanical.
QPainterPath taperedStroke(const QPainterPath& spine, qreal w0, qreal wMid, qreal w1);

// A round glow fading from colour at the centre to nothing at radius r (rx by ry if given).
void softGlow(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& colour);

// Continues path through alternating tips and notches of a fringe; each lock bends towards
// bend (positive: to the right of its direction of travel) so the hem reads as strands.
void addHem(QPainterPath& path, std::initializer_list<QPointF> points, qreal bend);

// One cubic segment of a path: its two control points and the point it ends on.
struct Cubic
{
    QPointF c1, c2, to;
};

// An outline symmetric about the vertical line x = middle, given by its left half: from start
// along half, straight across to the mirror of its last point (unless that lies on the middle),
// and back along the mirror image to the mirror of start. Left open for the caller to close or
// continue. Drawing one half and mirroring it keeps the two sides from drifting apart.
QPainterPath symmetricOutline(QPointF start, std::initializer_list<Cubic> half, qreal middle);

// A strand of hair along a cubic from a to b, pointed at both ends, width at its thickest.
struct Strand
{
    QPointF a, c1, c2, b;
    qreal width;
};

// The strands in colour, outlined by the painter's pen.
void paintStrands(QPainter& p, const QColor& colour, const std::vector<Strand>& strands);

// The glossy band where light catches the crown: it follows the ellipse arc around centre from
// angle `from` to `to` (degrees, clockwise from the right), width thick, and breaks into count
// teeth up to length long that point along the fall of the hair.
struct Shine
{
    QPointF centre;
    qreal rx, ry, from, to;
    int count;
    qreal length, width;
};

// The shine in the painter's brush.
void paintShine(QPainter& p, const Shine& s);

// A four-pointed glint of light.
void paintSparkle(QPainter& p, QPointF centre, qreal r, const QColor& colour);

} // namespace art
