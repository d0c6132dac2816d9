#pragma once

// Small drawing helpers shared by both girls and the icon: tapered strokes for line art, soft
// glows for blush and background light, and the jagged hem of a fringe.

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

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

// A strand of hair along a cubic, pointed at both ends, in the painter's brush.
void paintStrand(QPainter& p, QPointF a, QPointF c1, QPointF c2, QPointF b, qreal width);

// The glossy band where light catches the crown, in the painter's brush: it follows the ellipse
// arc around centre from angle `from` to `to` (degrees, clockwise from the right), width thick,
// and breaks into count teeth up to length long that point along the fall of the hair.
void paintShine(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal from, qreal to, int count,
                qreal length, qreal width);

// A four-pointed glint of light.
void paintSparkle(QPainter& p, QPointF centre, qreal r, const QColor& colour);

} // namespace art
