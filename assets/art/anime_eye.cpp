// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/anime_eye.h"

#include "assets/art/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {

namespace {

QPainterPath upperLid(const EyeShape& s)
{
    QPainterPath path(s.outer);
    path.cubicTo(s.upper1, s.upper2, s.inner);
    return path;
}

QPainterPath opening(const EyeShape& s)
{
    QPainterPath path = upperLid(s);
    path.cubicTo(s.lower1, s.lower2, s.outer);
    path.closeSubpath();
    return path;
}

void paintIris(QPainter& p, const EyeShape& s, const EyeColours& c, qreal light)
{
    const QRectF r = s.iris;
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, c.irisDark);
    body.setColorAt(0.45, c.irisMid);
    body.setColorAt(1, c.irisLight);
    p.setPen(QPen(c.irisDark.darker(140), r.width() * 0.05));
    p.setBrush(body);
    p.drawEllipse(r);

    // The pupil sits a little high, with a glow of light pooling in the lower iris.
    const QPointF mid = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(c.pupil, 235));
    p.drawEllipse(QPointF(mid.x(), mid.y() - r.height() * 0.04), r.width() * 0.24,
                  r.height() * 0.27);
    softGlow(p, QPointF(mid.x(), mid.y() + r.height() * 0.3), r.width() * 0.36, r.height() * 0.16,
             withAlpha(c.irisLight.lighter(125), 200));

    p.setBrush(QColor(255, 255, 255, 245));
    p.drawEllipse(QPointF(mid.x() + light * r.width() * 0.2, mid.y() - r.height() * 0.2),
                  r.width() * 0.17, r.height() * 0.14);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawEllipse(QPointF(mid.x() - light * r.width() * 0.2, mid.y() + r.height() * 0.22),
                  r.width() * 0.08, r.height() * 0.065);
}

} // namespace

void paintEye(QPainter& p, const EyeShape& s, const EyeColours& c, qreal light)
{
    p.save();
    const QPainterPath eye = opening(s);
    const QRectF bounds = eye.boundingRect();

    QLinearGradient white(bounds.topLeft(), bounds.bottomLeft());
    white.setColorAt(0, c.whiteShade);
    white.setColorAt(0.45, c.white);
    white.setColorAt(1, c.white);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(eye);

    p.save();
    p.setClipPath(eye);
    paintIris(p, s, c, light);
    // The upper lid casts a soft shadow over the top of the eye.
    QLinearGradient shade(bounds.topLeft(),
                          QPointF(bounds.left(), bounds.top() + bounds.height() * 0.4));
    shade.setColorAt(0, withAlpha(c.lash, 120));
    shade.setColorAt(1, withAlpha(c.lash, 0));
    p.setBrush(shade);
    p.drawRect(bounds);
    p.restore();

    // The lash line thickens towards the outer corner and runs on past it into a flick.
    p.setBrush(c.lash);
    p.drawPath(taperedStroke(upperLid(s), s.lashWidth * 0.7, s.lashWidth, s.lashWidth * 0.35));
    const QPointF start = upperLid(s).pointAtPercent(0.12);
    QPainterPath wing(start);
    wing.quadTo(s.outer + QPointF(-1, -s.lashWidth * 0.3), s.wingTip);
    p.drawPath(taperedStroke(wing, s.lashWidth * 1.05, s.lashWidth * 0.8, 0.3));
    for (qreal t : {0.16, 0.28}) {
        const QPointF root = upperLid(s).pointAtPercent(t);
        QPainterPath spike(root);
        spike.quadTo(root + QPointF(-s.lashWidth * 0.3, -s.lashWidth * 0.7),
                     root + QPointF(-s.lashWidth * 0.75, -s.lashWidth * 1.0));
        p.drawPath(taperedStroke(spike, s.lashWidth * 0.5, s.lashWidth * 0.3, 0.2));
    }

    QPainterPath lower(s.inner);
    lower.cubicTo(s.lower1, s.lower2, s.outer);
    const qreal from = 1.0 - s.lowerLash;
    QPainterPath lash(lower.pointAtPercent(from));
    for (int i = 1; i <= 12; ++i)
        lash.lineTo(lower.pointAtPercent(from + s.lowerLash * i / 12.0));
    p.setBrush(withAlpha(c.lash, 200));
    p.drawPath(taperedStroke(lash, 0.2, s.lashWidth * 0.32, s.lashWidth * 0.45));

    QPainterPath crease(s.crease1);
    crease.quadTo(s.crease2, s.crease3);
    p.setBrush(c.crease);
    p.drawPath(taperedStroke(crease, 0.2, s.lashWidth * 0.3, 0.2));
    p.restore();
}

} // namespace art
