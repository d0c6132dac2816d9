// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/girl_art.h"

#include "assets/art/girl_a_art.h"
#include "assets/art/girl_b_art.h"
#include "game/face_geometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {

std::unique_ptr<GirlArt> GirlArt::create(int girl)
{
    if (girl == gp::GirlA)
        return makeGirlAArt();
    return makeGirlBArt();
}

void GirlArt::paintBlank(QPainter& p) const
{
    paintBackground(p);
    paintBackHair(p);
    paintBody(p);
    paintFace(p);
    paintFrontHair(p);
    paintOrnament(p);
}

void GirlArt::paintFace(QPainter& p) const
{
    const Palette& c = style_.colours;
    const Ear& e = style_.ear;
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220, 0);
        p.scale(side, 1);
        QPainterPath ear(e.start);
        ear.cubicTo(e.upper.c1, e.upper.c2, e.upper.to);
        ear.cubicTo(e.lower.c1, e.lower.c2, e.lower.to);
        ear.closeSubpath();
        p.setPen(QPen(c.skinLine, 1.2));
        p.setBrush(c.skinEdge);
        p.drawPath(ear);
        QPainterPath fold(e.foldStart);
        fold.cubicTo(e.fold.c1, e.fold.c2, e.fold.to);
        p.setPen(Qt::NoPen);
        p.setBrush(c.skinShade);
        p.drawPath(taperedStroke(fold, 0.5, e.foldWidth, 0.5));
        p.restore();
    }

    const QPainterPath face = facePath();
    QRadialGradient skin(style_.skin.centre, style_.skin.radius);
    skin.setColorAt(0, c.skin);
    skin.setColorAt(0.75, c.skin);
    skin.setColorAt(1, c.skinEdge);
    p.setPen(QPen(c.skinLine, 1.4));
    p.setBrush(skin);
    p.drawPath(face);

    // The fringe's shadow on the forehead, laid twice for a soft edge.
    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(c.skinShade, style_.skin.farShadow));
    p.drawPath(frontHairPath().translated(2, 7));
    p.setBrush(withAlpha(c.skinShade, style_.skin.nearShadow));
    p.drawPath(frontHairPath().translated(1, 4));
    p.restore();

    const Blush& b = style_.blush;
    softGlow(p, b.left, b.rx, b.ry, b.glow);
    softGlow(p, b.right, b.rx, b.ry, b.glow);
    p.setBrush(b.hatch);
    for (qreal x : b.hatchX) {
        QPainterPath hatch(QPointF(x + 2, b.hatchTop));
        hatch.lineTo(x - 2, b.hatchBottom);
        p.drawPath(taperedStroke(hatch, 0.3, b.hatchWidth, 0.3));
    }
}

void GirlArt::paintFrontHair(QPainter& p) const
{
    const Palette& c = style_.colours;
    const Fringe& f = style_.fringe;
    const QPainterPath hair = frontHairPath();
    QLinearGradient fall(0, f.top, 0, f.bottom);
    fall.setColorAt(0, c.hairLight);
    fall.setColorAt(f.midStop, c.hair);
    fall.setColorAt(1, c.hairDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fall);
    p.drawPath(hair);

    p.save();
    p.setClipPath(hair);
    p.setBrush(f.shineColour);
    paintShine(p, f.shine);
    paintStrands(p, withAlpha(c.hairLine, f.lineAlpha), f.lines);
    paintStrands(p, withAlpha(c.hairLight, f.glossAlpha), f.glosses);
    p.restore();

    p.setPen(QPen(c.hairLine, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hair);
}

void GirlArt::paintNeck(QPainter& p, const QPainterPath& neck, qreal top, qreal bottom) const
{
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, style_.colours.skinShade);
    shade.setColorAt(1, style_.colours.skin);
    p.setPen(QPen(style_.colours.skinLine, 1.2));
    p.setBrush(shade);
    p.drawPath(neck);
}

void GirlArt::paintFeature(QPainter& p, int part) const
{
    const QPoint t = gp::kTargets[style_.girl][part];
    p.save();
    p.translate(t);
    // Parts 1 and 3 are the girl's left, on the viewer's right: the mirror image of 0 and 2.
    const bool mirrored = part == 1 || part == 3;
    if (mirrored)
        p.scale(-1, 1);
    switch (part) {
    case 0:
    case 1:
        paintEyebrow(p);
        break;
    case 2:
    case 3:
        paintEye(p, style_.eye, style_.eyeColours, mirrored ? 1 : -1);
        break;
    case 4:
        paintNose(p);
        break;
    default:
        paintMouth(p);
        break;
    }
    p.restore();
}

void GirlArt::paintEyebrow(QPainter& p) const
{
    const Eyebrow& e = style_.eyebrow;
    QPainterPath spine(e.start);
    spine.cubicTo(e.curve.c1, e.curve.c2, e.curve.to);
    p.setPen(Qt::NoPen);
    p.setBrush(e.colour);
    p.drawPath(taperedStroke(spine, 0.4, 3.0, 2.4));
}

void GirlArt::paintNose(QPainter& p) const
{
    const Nose& n = style_.nose;
    QPainterPath bridge(n.bridgeStart);
    bridge.cubicTo(n.bridge.c1, n.bridge.c2, n.bridge.to);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(style_.colours.skinShade, 200));
    p.drawPath(taperedStroke(bridge, 0.3, n.bridgeWidth, 2));
    QPainterPath tip(n.tipStart);
    tip.quadTo(n.tipControl, n.tipEnd);
    p.setBrush(withAlpha(style_.colours.skinLine, 230));
    p.drawPath(taperedStroke(tip, 0.4, 1.8, 0.8));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(n.highlight, 2, 1.5);
}

void GirlArt::paintLips(QPainter& p, const QPainterPath& mouth, const QPainterPath& upper) const
{
    const Lips& l = style_.lips;
    p.setPen(Qt::NoPen);
    p.setBrush(l.mouth);
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(l.tongue);
    p.drawEllipse(l.tongueCentre, l.tongueRx, l.tongueRy);
    p.restore();

    p.setBrush(l.line);
    p.drawPath(taperedStroke(upper, 0.4, 1.6, 0.4));
}

} // namespace art
