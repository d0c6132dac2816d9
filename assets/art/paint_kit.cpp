#include "assets/art/paint_kit.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
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

void paintStrand(QPainter& p, QPointF a, QPointF c1, QPointF c2, QPointF b, qreal width)
{
    QPainterPath spine(a);
    spine.cubicTo(c1, c2, b);
    p.drawPath(taperedStroke(spine, 0.2, width, 0.2));
}

void paintShine(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal from, qreal to, int count,
                qreal length, qreal width)
{
    // A band along the arc, width thick, whose edges break into teeth pointing along the hair.
    const auto at = [&](qreal deg, qreal grow) {
        const qreal a = qDegreesToRadians(deg);
        return QPointF(centre.x() + (rx + grow) * std::cos(a),
                       centre.y() + (ry + grow) * std::sin(a));
    };
    const int steps = 2 * count;
    QPainterPath band(at(from, -width / 2));
    for (int i = 1; i <= steps; ++i) {
        const qreal deg = from + (to - from) * i / steps;
        // A fixed, uneven rhythm of tooth lengths: equal teeth look stamped.
        const qreal tooth = i % 2 ? length * 0.35 * std::fabs(std::sin(i * 1.7)) : 0;
        band.lineTo(at(deg, -width / 2 - tooth));
    }
    for (int i = steps; i >= 0; --i) {
        const qreal deg = from + (to - from) * i / steps;
        const qreal tooth = i % 2 ? length * (0.4 + 0.6 * std::fabs(std::sin(i * 2.3))) : 0;
        band.lineTo(at(deg, width / 2 + tooth));
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
