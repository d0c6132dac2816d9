// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/paint_kit.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <iterator>
#include <vector>

namespace art {

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QPainterPath taperedStroke(const QPainterPath& spine, qreal w0, qreal wMid, qreal w1)
{
    constexpr int steps = 32;
    std::vector<QPointF> left, right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const QPointF at = spine.pointAtPercent(t);
        const QPointF ahead = spine.pointAtPercent(std::min(1.0, t + 0.01));
        const QPointF behind = spine.pointAtPercent(std::max(0.0, t - 0.01));
        QPointF dir = ahead - behind;
        const qreal len = std::hypot(dir.x(), dir.y());
        if (len > 0)
            dir /= len;
        const QPointF normal(-dir.y(), dir.x());
        // Quadratic through the three widths, so the middle width sits at the middle.
        const qreal w = w0 * (1 - t) * (1 - 2 * t) + wMid * 4 * t * (1 - t) + w1 * t * (2 * t - 1);
        left.push_back(at + normal * (w / 2));
        right.push_back(at - normal * (w / 2));
    }
    QPainterPath out(left.front());
    for (size_t i = 1; i < left.size(); ++i)
        out.lineTo(left[i]);
    for (size_t i = right.size(); i-- > 0;)
        out.lineTo(right[i]);
    out.closeSubpath();
    return out;
}

void softGlow(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& colour)
{
    p.save();
    p.translate(centre);
    p.scale(1, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0, colour);
    g.setColorAt(0.55, withAlpha(colour, colour.alpha() / 2));
    g.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void addHem(QPainterPath& path, std::initializer_list<QPointF> points, qreal bend)
{
    for (const QPointF& to : points) {
        const QPointF from = path.currentPosition();
        const QPointF d = to - from;
        const QPointF normal(-d.y(), d.x());
        const QPointF mid = (from + to) / 2 + normal * (bend / 100.0);
        path.quadTo(mid, to);
    }
}

QPainterPath symmetricOutline(QPointF start, std::initializer_list<Cubic> half, qreal middle)
{
    const auto mirror = [middle](QPointF q) { return QPointF(2 * middle - q.x(), q.y()); };
    QPainterPath path(start);
    for (const Cubic& c : half)
        path.cubicTo(c.c1, c.c2, c.to);
    if (path.currentPosition().x() != middle)
        path.lineTo(mirror(path.currentPosition()));
    // Walked backwards, each segment runs from its end through its controls in reverse order to
    // where it began: the previous segment's end, or start for the first one.
    for (auto c = std::rbegin(half); c != std::rend(half); ++c) {
        const QPointF from = std::next(c) == std::rend(half) ? start : std::next(c)->to;
        path.cubicTo(mirror(c->c2), mirror(c->c1), mirror(from));
    }
    return path;
}

void paintStrands(QPainter& p, const QColor& colour, const std::vector<Strand>& strands)
{
    p.setBrush(colour);
    for (const Strand& s : strands) {
        QPainterPath spine(s.a);
        spine.cubicTo(s.c1, s.c2, s.b);
        p.drawPath(taperedStroke(spine, 0.2, s.width, 0.2));
    }
}

void paintShine(QPainter& p, const Shine& s)
{
    // A band along the arc, width thick, whose edges break into teeth pointing along the hair.
    const auto at = [&](qreal deg, qreal grow) {
        const qreal a = qDegreesToRadians(deg);
        return QPointF(s.centre.x() + (s.rx + grow) * std::cos(a),
                       s.centre.y() + (s.ry + grow) * std::sin(a));
    };
    const int steps = 2 * s.count;
    QPainterPath band(at(s.from, -s.width / 2));
    for (int i = 1; i <= steps; ++i) {
        const qreal deg = s.from + (s.to - s.from) * i / steps;
        // A fixed, uneven rhythm of tooth lengths: equal teeth look stamped.
        const qreal tooth = i % 2 ? s.length * 0.35 * std::fabs(std::sin(i * 1.7)) : 0;
        band.lineTo(at(deg, -s.width / 2 - tooth));
    }
    for (int i = steps; i >= 0; --i) {
        const qreal deg = s.from + (s.to - s.from) * i / steps;
        const qreal tooth = i % 2 ? s.length * (0.4 + 0.6 * std::fabs(std::sin(i * 2.3))) : 0;
        band.lineTo(at(deg, s.width / 2 + tooth));
    }
    band.closeSubpath();
    p.drawPath(band);
}

void paintSparkle(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    QPainterPath star(QPointF(c.x(), c.y() - r));
    star.quadTo(c, QPointF(c.x() + r * 0.7, c.y()));
    star.quadTo(c, QPointF(c.x(), c.y() + r));
    star.quadTo(c, QPointF(c.x() - r * 0.7, c.y()));
    star.quadTo(c, QPointF(c.x(), c.y() - r));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

} // namespace art
