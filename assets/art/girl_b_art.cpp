#include "assets/art/girl_b_art.h"

#include "assets/art/anime_eye.h"
#include "assets/art/paint_kit.h"
#include "game/face_geometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {

namespace {

const QColor kSkin(0xFF, 0xEF, 0xE4);
const QColor kSkinEdge(0xFD, 0xDF, 0xCF);
const QColor kSkinShade(0xF4, 0xC4, 0xAE);
const QColor kSkinLine(0xC8, 0x84, 0x6C);
const QColor kHairLight(0xFF, 0xEE, 0xB0);
const QColor kHair(0xF6, 0xCC, 0x6A);
const QColor kHairDark(0xD9, 0x9C, 0x3E);
const QColor kHairLine(0x9C, 0x62, 0x22);
const QColor kPink(0xFF, 0x6F, 0xA6);

QPainterPath facePath()
{
    QPainterPath face(QPointF(108, 110));
    face.cubicTo(104, 180, 106, 218, 118, 246);
    face.cubicTo(140, 284, 192, 314, 220, 316);
    face.cubicTo(248, 314, 300, 284, 322, 246);
    face.cubicTo(334, 218, 336, 180, 332, 110);
    face.cubicTo(326, 30, 114, 30, 108, 110);
    face.closeSubpath();
    return face;
}

// The fringe keeps above the eyebrow rectangles and dips only between them.
QPainterPath frontHairPath()
{
    QPainterPath h(QPointF(100, 204));
    h.cubicTo(80, 110, 112, 20, 220, 18);
    h.cubicTo(328, 20, 360, 110, 340, 204);
    h.cubicTo(338, 236, 334, 262, 330, 290);
    h.cubicTo(324, 250, 326, 196, 334, 136);
    addHem(h, {{316, 104}, {306, 132}, {300, 112}, {290, 126}, {282, 96},  {268, 132}, {262, 110},
               {254, 124}, {246, 98},  {222, 168}, {204, 98},  {192, 128}, {186, 112}, {174, 132},
               {166, 96},  {152, 130}, {146, 112}, {136, 126}, {128, 100}, {102, 134}},
           12);
    h.cubicTo(112, 180, 116, 250, 110, 290);
    h.cubicTo(106, 262, 102, 236, 100, 204);
    h.closeSubpath();
    return h;
}

QPainterPath tailPath()
{
    QPainterPath t(QPointF(86, 56));
    t.cubicTo(34, 58, 8, 128, 14, 198);
    t.cubicTo(20, 262, 50, 296, 38, 346);
    t.cubicTo(32, 372, 40, 392, 56, 400);
    t.lineTo(92, 400);
    t.cubicTo(80, 384, 84, 360, 90, 330);
    t.cubicTo(98, 286, 74, 210, 80, 150);
    t.cubicTo(84, 110, 96, 84, 104, 74);
    t.closeSubpath();
    return t;
}

} // namespace

void GirlBArt::paintBlank(QPainter& p) const
{
    paintBackground(p);
    paintBackHair(p);
    paintBody(p);
    paintFace(p);
    paintFrontHair(p);
    paintTies(p);
}

void GirlBArt::paintBackground(QPainter& p) const
{
    QLinearGradient warm(0, 0, 0, 400);
    warm.setColorAt(0, QColor(0xFF, 0xF7, 0xD6));
    warm.setColorAt(0.6, QColor(0xFF, 0xF0, 0xE2));
    warm.setColorAt(1, QColor(0xFF, 0xE0, 0xEA));
    p.fillRect(QRectF(0, 0, 440, 400), warm);

    // Polka dots on a staggered grid.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 10; ++col) {
            const QPointF c(col * 48 + (row % 2) * 24 + 12, row * 48 + 14);
            p.setBrush(QColor(255, 255, 255, 170));
            p.drawEllipse(c, 6, 6);
        }
    }
    for (QPointF s : {QPointF(40, 40), QPointF(404, 80), QPointF(420, 300), QPointF(24, 330)})
        paintSparkle(p, s, 9, QColor(0xFF, 0xB0, 0xCC, 220));
}

void GirlBArt::paintBackHair(QPainter& p) const
{
    QLinearGradient gold(0, 40, 0, 400);
    gold.setColorAt(0, kHair);
    gold.setColorAt(1, kHairDark);
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220, 0);
        p.scale(side, 1);
        p.translate(-220, 0);
        const QPainterPath tail = tailPath();
        p.setPen(QPen(kHairLine, 1.5));
        p.setBrush(gold);
        p.drawPath(tail);
        p.setClipPath(tail);
        p.setBrush(withAlpha(kHairLight, 200));
        paintStrand(p, {70, 70}, {30, 130}, {30, 220}, {44, 300}, 5);
        paintStrand(p, {80, 120}, {60, 200}, {80, 280}, {66, 360}, 3);
        p.setBrush(withAlpha(kHairLine, 130));
        paintStrand(p, {60, 90}, {20, 160}, {24, 240}, {50, 320}, 1.6);
        paintStrand(p, {86, 200}, {84, 260}, {74, 330}, {60, 396}, 1.6);
        p.restore();
    }

    QPainterPath head(QPointF(92, 250));
    head.cubicTo(70, 120, 110, 30, 220, 30);
    head.cubicTo(330, 30, 370, 120, 348, 250);
    head.cubicTo(330, 290, 110, 290, 92, 250);
    p.setPen(QPen(kHairLine, 1.5));
    p.setBrush(kHairDark);
    p.drawPath(head);
}

void GirlBArt::paintBody(QPainter& p) const
{
    QPainterPath body(QPointF(30, 400));
    body.cubicTo(40, 364, 100, 346, 160, 340);
    body.cubicTo(182, 338, 194, 334, 198, 326);
    body.lineTo(242, 326);
    body.cubicTo(246, 334, 258, 338, 280, 340);
    body.cubicTo(340, 346, 400, 364, 410, 400);
    body.closeSubpath();
    QLinearGradient dress(0, 336, 0, 400);
    dress.setColorAt(0, QColor(0xFF, 0xB6, 0xD0));
    dress.setColorAt(1, QColor(0xF2, 0x86, 0xAE));
    p.setPen(QPen(QColor(0xB8, 0x4A, 0x78), 1.3));
    p.setBrush(dress);
    p.drawPath(body);

    QPainterPath neck(QPointF(196, 280));
    neck.cubicTo(198, 304, 197, 320, 192, 334);
    neck.cubicTo(206, 346, 234, 346, 248, 334);
    neck.cubicTo(243, 320, 242, 304, 244, 280);
    neck.closeSubpath();
    QLinearGradient neckShade(0, 290, 0, 330);
    neckShade.setColorAt(0, kSkinShade);
    neckShade.setColorAt(1, kSkin);
    p.setPen(QPen(kSkinLine, 1.2));
    p.setBrush(neckShade);
    p.drawPath(neck);

    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220, 0);
        p.scale(side, 1);
        QPainterPath collar(QPointF(-2, 344));
        collar.cubicTo(-16, 344, -28, 338, -32, 330);
        collar.cubicTo(-52, 336, -66, 350, -60, 370);
        collar.cubicTo(-46, 384, -16, 382, -2, 362);
        collar.closeSubpath();
        p.setPen(QPen(QColor(0xB8, 0x9C, 0xA8), 1.2));
        p.setBrush(QColor(0xFF, 0xFC, 0xFA));
        p.drawPath(collar);
        p.restore();
    }
    p.setPen(QPen(kPink.darker(150), 1.1));
    p.setBrush(kPink);
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath loop(QPointF(220, 352));
        loop.cubicTo(220 + side * 10, 340, 220 + side * 22, 344, 220 + side * 18, 356);
        loop.cubicTo(220 + side * 14, 364, 220 + side * 6, 360, 220, 352);
        p.drawPath(loop);
    }
    p.drawEllipse(QPointF(220, 353), 4.5, 4.5);
}

void GirlBArt::paintFace(QPainter& p) const
{
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220, 0);
        p.scale(side, 1);
        QPainterPath ear(QPointF(-112, 176));
        ear.cubicTo(-130, 164, -140, 188, -131, 208);
        ear.cubicTo(-127, 220, -118, 224, -110, 218);
        ear.closeSubpath();
        p.setPen(QPen(kSkinLine, 1.2));
        p.setBrush(kSkinEdge);
        p.drawPath(ear);
        QPainterPath fold(QPointF(-118, 184));
        fold.cubicTo(-131, 182, -132, 202, -121, 210);
        p.setPen(Qt::NoPen);
        p.setBrush(kSkinShade);
        p.drawPath(taperedStroke(fold, 0.5, 2.4, 0.5));
        p.restore();
    }

    const QPainterPath face = facePath();
    QRadialGradient skin(QPointF(214, 200), 150);
    skin.setColorAt(0, kSkin);
    skin.setColorAt(0.75, kSkin);
    skin.setColorAt(1, kSkinEdge);
    p.setPen(QPen(kSkinLine, 1.4));
    p.setBrush(skin);
    p.drawPath(face);

    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kSkinShade, 100));
    p.drawPath(frontHairPath().translated(2, 7));
    p.setBrush(withAlpha(kSkinShade, 150));
    p.drawPath(frontHairPath().translated(1, 4));
    p.restore();

    softGlow(p, QPointF(148, 228), 26, 11, QColor(0xFF, 0x86, 0xA0, 130));
    softGlow(p, QPointF(292, 228), 26, 11, QColor(0xFF, 0x86, 0xA0, 130));
    p.setBrush(QColor(0xF2, 0x78, 0x92, 150));
    for (qreal x : {138.0, 146.0, 154.0, 284.0, 292.0, 300.0}) {
        QPainterPath hatch(QPointF(x + 2, 222));
        hatch.lineTo(x - 2, 232);
        p.drawPath(taperedStroke(hatch, 0.3, 1.3, 0.3));
    }
}

void GirlBArt::paintFrontHair(QPainter& p) const
{
    const QPainterPath hair = frontHairPath();
    QLinearGradient fall(0, 22, 0, 170);
    fall.setColorAt(0, kHairLight);
    fall.setColorAt(0.4, kHair);
    fall.setColorAt(1, kHairDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fall);
    p.drawPath(hair);

    p.save();
    p.setClipPath(hair);
    p.setBrush(QColor(255, 255, 240, 160));
    paintShine(p, {220, 150}, 118, 96, 200, 340, 24, 16, 7);
    p.setBrush(withAlpha(kHairLine, 120));
    paintStrand(p, {206, 30}, {186, 70}, {176, 100}, {172, 130}, 1.6);
    paintStrand(p, {232, 30}, {236, 80}, {230, 130}, {223, 166}, 1.6);
    paintStrand(p, {180, 34}, {150, 70}, {140, 100}, {140, 130}, 1.4);
    paintStrand(p, {260, 34}, {286, 70}, {292, 100}, {290, 130}, 1.4);
    paintStrand(p, {140, 44}, {104, 100}, {96, 180}, {100, 290}, 1.4);
    paintStrand(p, {300, 44}, {336, 100}, {344, 180}, {340, 290}, 1.4);
    p.setBrush(withAlpha(kHairLight, 200));
    paintStrand(p, {214, 40}, {204, 80}, {200, 110}, {198, 128}, 2.4);
    paintStrand(p, {258, 44}, {268, 80}, {266, 110}, {262, 128}, 2.2);
    paintStrand(p, {120, 70}, {100, 120}, {96, 200}, {96, 270}, 2.2);
    p.restore();

    p.setPen(QPen(kHairLine, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hair);
}

void GirlBArt::paintTies(QPainter& p) const
{
    QLinearGradient satin(0, -18, 0, 18);
    satin.setColorAt(0, kPink.lighter(125));
    satin.setColorAt(0.5, kPink);
    satin.setColorAt(1, kPink.darker(135));
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220 + side * 128, 62);
        p.scale(side, 1);
        p.rotate(-18);
        p.setPen(QPen(kPink.darker(190), 1.3));
        p.setBrush(satin);
        for (qreal wing : {-1.0, 1.0}) {
            p.save();
            p.scale(wing, 1);
            QPainterPath loop(QPointF(0, 0));
            loop.cubicTo(-10, -22, -32, -16, -28, -2);
            loop.cubicTo(-26, 10, -10, 8, 0, 0);
            p.drawPath(loop);
            p.restore();
        }
        p.drawEllipse(QPointF(0, 0), 6.5, 6.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(-17, -8), 4.5, 2.2);
        p.restore();
    }
}

void GirlBArt::paintFeature(QPainter& p, int part) const
{
    const gp::PointI t = gp::kTargets[gp::GirlB][part];
    p.save();
    p.translate(t.x, t.y);
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
        paintEye(p, mirrored ? 1 : -1);
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

void GirlBArt::paintEyebrow(QPainter& p) const
{
    QPainterPath spine(QPointF(-32, 4));
    spine.cubicTo(-20, -4, 10, -5, 36, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB8, 0x80, 0x36));
    p.drawPath(taperedStroke(spine, 0.4, 3.0, 2.4));
}

void GirlBArt::paintEye(QPainter& p, qreal light) const
{
    EyeShape s;
    s.outer = {-27, -5};
    s.inner = {27, 4};
    s.upper1 = {-18, -24};
    s.upper2 = {12, -24};
    s.lower1 = {17, 18};
    s.lower2 = {-14, 16};
    s.iris = QRectF(-14, -18, 29, 34);
    s.lashWidth = 5;
    s.wingTip = {-28.5, -12};
    s.crease1 = {-20, -18.5};
    s.crease2 = {-2, -23.5};
    s.crease3 = {13, -19.5};
    s.lowerLash = 0.5;
    EyeColours c;
    c.lash = QColor(0x3A, 0x22, 0x16);
    c.irisDark = QColor(0x0B, 0x4A, 0x3A);
    c.irisMid = QColor(0x1E, 0x9A, 0x6E);
    c.irisLight = QColor(0x9E, 0xF0, 0xC4);
    c.pupil = QColor(0x08, 0x2A, 0x22);
    c.white = Qt::white;
    c.whiteShade = QColor(0xDA, 0xE6, 0xDE);
    c.crease = Qt::transparent; // the heavy lid line needs no fold above it
    art::paintEye(p, s, c, light);
}

void GirlBArt::paintNose(QPainter& p) const
{
    QPainterPath bridge(QPointF(1, -12));
    bridge.cubicTo(4, -4, 8, 2, 5, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kSkinShade, 200));
    p.drawPath(taperedStroke(bridge, 0.3, 4.2, 2));
    QPainterPath tip(QPointF(-5, 8));
    tip.quadTo(1, 11, 6, 7);
    p.setBrush(withAlpha(kSkinLine, 230));
    p.drawPath(taperedStroke(tip, 0.4, 1.8, 0.8));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(-1, 2), 2, 1.5);
}

void GirlBArt::paintMouth(QPainter& p) const
{
    // A cat's smile: the upper lip dips in the middle.
    QPainterPath mouth(QPointF(-16, -5));
    mouth.cubicTo(-8, -1, -4, -2, 0, -4);
    mouth.cubicTo(4, -2, 8, -1, 16, -5);
    mouth.cubicTo(12, 9, -12, 9, -16, -5);
    mouth.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0x32, 0x44));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(QColor(0xF6, 0x86, 0x98));
    p.drawEllipse(QPointF(0, 6.5), 8, 4.5);
    p.restore();

    QPainterPath upper(QPointF(-18, -7));
    upper.cubicTo(-8, -1, -4, -2, 0, -4.5);
    upper.cubicTo(4, -2, 8, -1, 18, -7);
    p.setBrush(QColor(0x74, 0x24, 0x28));
    p.drawPath(taperedStroke(upper, 0.4, 1.6, 0.4));
}

} // namespace art
