#include "assets/art/girl_a_art.h"

#include "assets/art/anime_eye.h"
#include "assets/art/paint_kit.h"
#include "game/face_geometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {

namespace {

const QColor kSkin(0xFF, 0xEC, 0xE0);
const QColor kSkinEdge(0xFC, 0xDC, 0xC9);
const QColor kSkinShade(0xF2, 0xBF, 0xA8);
const QColor kSkinLine(0xC0, 0x7C, 0x66);
const QColor kHairLight(0x8A, 0x57, 0x40);
const QColor kHair(0x5A, 0x33, 0x24);
const QColor kHairDark(0x36, 0x1D, 0x14);
const QColor kHairLine(0x26, 0x13, 0x0D);
const QColor kNavy(0x25, 0x31, 0x66);
const QColor kRed(0xDE, 0x36, 0x50);

QPainterPath facePath()
{
    QPainterPath face(QPointF(128, 150));
    face.cubicTo(126, 200, 127, 245, 139, 274);
    face.cubicTo(153, 304, 192, 326, 220, 327);
    face.cubicTo(248, 326, 287, 304, 301, 274);
    face.cubicTo(313, 245, 314, 200, 312, 150);
    face.cubicTo(310, 95, 130, 95, 128, 150);
    face.closeSubpath();
    return face;
}

// The fringe dips lowest between the brows, where no cut rectangle lies, and stays above the
// eyebrow rectangles elsewhere so the brows show on clear skin.
QPainterPath frontHairPath()
{
    QPainterPath h(QPointF(108, 214));
    h.cubicTo(92, 140, 126, 84, 220, 82);
    h.cubicTo(314, 84, 348, 140, 332, 214);
    h.cubicTo(326, 232, 318, 246, 312, 256);
    h.cubicTo(316, 226, 314, 196, 310, 172);
    addHem(h, {{298, 150}, {284, 178}, {279, 158}, {270, 170}, {262, 146}, {250, 178}, {246, 160},
               {240, 172}, {236, 148}, {225, 198}, {215, 150}, {206, 172}, {200, 158}, {188, 178},
               {180, 146}, {170, 168}, {164, 156}, {152, 178}, {146, 154}, {140, 170}},
           12);
    h.cubicTo(130, 196, 126, 226, 128, 256);
    h.cubicTo(120, 246, 112, 232, 108, 214);
    h.closeSubpath();
    return h;
}

} // namespace

void GirlAArt::paintBlank(QPainter& p) const
{
    paintBackground(p);
    paintBackHair(p);
    paintBody(p);
    paintFace(p);
    paintFrontHair(p);
    paintBow(p);
}

void GirlAArt::paintBackground(QPainter& p) const
{
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(0xB4, 0xE6, 0xF4));
    sky.setColorAt(0.55, QColor(0xE2, 0xF4, 0xFB));
    sky.setColorAt(1, QColor(0xFB, 0xE4, 0xEE));
    p.fillRect(QRectF(0, 0, 440, 400), sky);

    struct Bokeh
    {
        qreal x, y, r;
        int alpha;
    };
    for (const Bokeh& b :
         {Bokeh{42, 58, 36, 150}, Bokeh{396, 46, 28, 140}, Bokeh{66, 298, 24, 110},
          Bokeh{404, 250, 42, 110}, Bokeh{356, 150, 14, 160}, Bokeh{28, 178, 14, 130},
          Bokeh{118, 26, 18, 120}, Bokeh{306, 18, 22, 110}, Bokeh{400, 350, 18, 120}}) {
        softGlow(p, QPointF(b.x, b.y), b.r, b.r, QColor(255, 255, 255, b.alpha));
    }
    for (QPointF s : {QPointF(60, 112), QPointF(380, 104), QPointF(30, 250), QPointF(416, 196),
                      QPointF(364, 300)})
        paintSparkle(p, s, 7, QColor(255, 255, 255, 220));
}

void GirlAArt::paintBackHair(QPainter& p) const
{
    QPainterPath back(QPointF(220, 84));
    back.cubicTo(120, 84, 84, 150, 86, 222);
    back.cubicTo(88, 292, 70, 350, 44, 400);
    back.lineTo(396, 400);
    back.cubicTo(370, 350, 352, 292, 354, 222);
    back.cubicTo(356, 150, 320, 84, 220, 84);
    QLinearGradient fall(0, 84, 0, 400);
    fall.setColorAt(0, kHair);
    fall.setColorAt(1, kHairDark);
    p.setPen(QPen(kHairLine, 1.5));
    p.setBrush(fall);
    p.drawPath(back);

    // Behind the neck the hair lies in its own shadow.
    QPainterPath inner(QPointF(146, 240));
    inner.cubicTo(150, 300, 170, 340, 162, 400);
    inner.lineTo(278, 400);
    inner.cubicTo(270, 340, 290, 300, 294, 240);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x14, 0x0E));
    p.drawPath(inner);

    p.save();
    p.setClipPath(back);
    p.setBrush(withAlpha(kHairLight, 150));
    paintStrand(p, {98, 200}, {92, 280}, {84, 340}, {62, 398}, 3);
    paintStrand(p, {342, 200}, {348, 280}, {356, 340}, {378, 398}, 3);
    p.setBrush(withAlpha(kHairLine, 150));
    paintStrand(p, {108, 250}, {104, 310}, {92, 360}, {80, 400}, 1.6);
    paintStrand(p, {332, 250}, {336, 310}, {348, 360}, {360, 400}, 1.6);
    p.restore();
}

void GirlAArt::paintBody(QPainter& p) const
{
    QPainterPath body(QPointF(34, 400));
    body.cubicTo(44, 368, 98, 352, 160, 346);
    body.cubicTo(180, 344, 192, 342, 198, 336);
    body.lineTo(242, 336);
    body.cubicTo(248, 342, 260, 344, 280, 346);
    body.cubicTo(342, 352, 396, 368, 406, 400);
    body.closeSubpath();
    QLinearGradient cloth(0, 340, 0, 400);
    cloth.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    cloth.setColorAt(1, QColor(0xDD, 0xE3, 0xF0));
    p.setPen(QPen(QColor(0x8A, 0x92, 0xAA), 1.3));
    p.setBrush(cloth);
    p.drawPath(body);

    QPainterPath neck(QPointF(198, 290));
    neck.cubicTo(199, 316, 198, 330, 194, 340);
    neck.lineTo(220, 384);
    neck.lineTo(246, 340);
    neck.cubicTo(242, 330, 241, 316, 242, 290);
    neck.closeSubpath();
    QLinearGradient neckShade(0, 300, 0, 340);
    neckShade.setColorAt(0, kSkinShade);
    neckShade.setColorAt(1, kSkin);
    p.setPen(QPen(kSkinLine, 1.2));
    p.setBrush(neckShade);
    p.drawPath(neck);

    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220, 0);
        p.scale(side, 1);
        QPainterPath collar(QPointF(-24, 334));
        collar.cubicTo(-40, 342, -70, 346, -104, 354);
        collar.cubicTo(-88, 372, -54, 390, -34, 400);
        collar.lineTo(-8, 400);
        collar.lineTo(0, 386);
        collar.closeSubpath();
        p.setPen(QPen(QColor(0x16, 0x1D, 0x42), 1.2));
        p.setBrush(kNavy);
        p.drawPath(collar);
        QPainterPath stripe(QPointF(-96, 358));
        stripe.cubicTo(-80, 372, -52, 388, -36, 396);
        p.setPen(QPen(QColor(255, 255, 255, 230), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stripe);

        QPainterPath tail(QPointF(-3, 388));
        tail.lineTo(-20, 400);
        tail.lineTo(-2, 400);
        tail.closeSubpath();
        p.setPen(QPen(kRed.darker(150), 1));
        p.setBrush(kRed);
        p.drawPath(tail);
        p.drawEllipse(QRectF(-20, 377, 16, 11));
        p.restore();
    }
    p.setBrush(kRed.lighter(110));
    p.drawRoundedRect(QRectF(213, 377, 14, 13), 4, 4);
}

void GirlAArt::paintFace(QPainter& p) const
{
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220, 0);
        p.scale(side, 1);
        QPainterPath ear(QPointF(-90, 224));
        ear.cubicTo(-104, 212, -114, 230, -106, 248);
        ear.cubicTo(-102, 258, -94, 264, -87, 258);
        ear.closeSubpath();
        p.setPen(QPen(kSkinLine, 1.2));
        p.setBrush(kSkinEdge);
        p.drawPath(ear);
        QPainterPath fold(QPointF(-93, 232));
        fold.cubicTo(-104, 228, -104, 244, -96, 250);
        p.setBrush(kSkinShade);
        p.setPen(Qt::NoPen);
        p.drawPath(taperedStroke(fold, 0.5, 2.2, 0.5));
        p.restore();
    }

    const QPainterPath face = facePath();
    QRadialGradient skin(QPointF(214, 232), 125);
    skin.setColorAt(0, kSkin);
    skin.setColorAt(0.75, kSkin);
    skin.setColorAt(1, kSkinEdge);
    p.setPen(QPen(kSkinLine, 1.4));
    p.setBrush(skin);
    p.drawPath(face);

    // The fringe's shadow on the forehead, laid twice for a soft edge.
    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kSkinShade, 110));
    p.drawPath(frontHairPath().translated(2, 7));
    p.setBrush(withAlpha(kSkinShade, 160));
    p.drawPath(frontHairPath().translated(1, 4));
    p.restore();

    softGlow(p, QPointF(164, 262), 20, 9, QColor(0xFF, 0x8C, 0x9C, 120));
    softGlow(p, QPointF(276, 262), 20, 9, QColor(0xFF, 0x8C, 0x9C, 120));
    p.setBrush(QColor(0xF0, 0x7A, 0x8A, 150));
    for (qreal x : {156.0, 163.0, 170.0, 270.0, 277.0, 284.0}) {
        QPainterPath hatch(QPointF(x + 2, 257));
        hatch.lineTo(x - 2, 266);
        p.drawPath(taperedStroke(hatch, 0.3, 1.2, 0.3));
    }
}

void GirlAArt::paintFrontHair(QPainter& p) const
{
    const QPainterPath hair = frontHairPath();
    QLinearGradient fall(0, 82, 0, 200);
    fall.setColorAt(0, kHairLight);
    fall.setColorAt(0.35, kHair);
    fall.setColorAt(1, kHairDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fall);
    p.drawPath(hair);

    p.save();
    p.setClipPath(hair);
    p.setBrush(QColor(0xC8, 0x96, 0x7A, 115));
    paintShine(p, {220, 190}, 100, 76, 204, 336, 22, 14, 6);
    p.setBrush(withAlpha(kHairLine, 140));
    paintStrand(p, {206, 90}, {190, 120}, {178, 150}, {170, 176}, 1.5);
    paintStrand(p, {230, 90}, {236, 130}, {232, 170}, {225, 196}, 1.5);
    paintStrand(p, {190, 92}, {160, 120}, {150, 150}, {150, 176}, 1.3);
    paintStrand(p, {250, 92}, {270, 120}, {280, 150}, {284, 176}, 1.3);
    paintStrand(p, {160, 100}, {130, 140}, {124, 190}, {128, 250}, 1.3);
    paintStrand(p, {280, 100}, {310, 140}, {316, 190}, {312, 250}, 1.3);
    p.setBrush(withAlpha(kHairLight, 160));
    paintStrand(p, {214, 100}, {206, 130}, {200, 150}, {198, 170}, 2.2);
    paintStrand(p, {268, 104}, {276, 130}, {274, 150}, {268, 170}, 2);
    p.restore();

    p.setPen(QPen(kHairLine, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hair);
}

void GirlAArt::paintBow(QPainter& p) const
{
    p.save();
    p.translate(136, 108);
    p.rotate(-22);
    QLinearGradient silk(0, -20, 0, 20);
    silk.setColorAt(0, kRed.lighter(135));
    silk.setColorAt(0.5, kRed);
    silk.setColorAt(1, kRed.darker(140));
    p.setPen(QPen(kRed.darker(190), 1.3));
    p.setBrush(silk);
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.scale(side, 1);
        QPainterPath tail(QPointF(-2, 4));
        tail.cubicTo(-6, 14, -10, 24, -14, 34);
        tail.lineTo(-7, 31);
        tail.lineTo(-3, 37);
        tail.cubicTo(2, 24, 3, 14, 4, 4);
        tail.closeSubpath();
        p.drawPath(tail);
        QPainterPath loop(QPointF(0, 0));
        loop.cubicTo(-12, -24, -36, -18, -32, -2);
        loop.cubicTo(-30, 12, -12, 10, 0, 0);
        p.drawPath(loop);
        QPainterPath fold(QPointF(-6, -2));
        fold.quadTo(-18, -6, -26, -4);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(kRed.darker(170), 150));
        p.drawPath(taperedStroke(fold, 0.4, 2.2, 0.4));
        p.restore();
        p.restore();
    }
    p.drawRoundedRect(QRectF(-7, -7, 14, 14), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(QPointF(-20, -9), 5, 2.5);
    p.restore();
}

void GirlAArt::paintFeature(QPainter& p, int part) const
{
    const gp::PointI t = gp::kTargets[gp::GirlA][part];
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

void GirlAArt::paintEyebrow(QPainter& p) const
{
    QPainterPath spine(QPointF(-25, 2.5));
    spine.cubicTo(-14, -3.5, 8, -3.5, 25, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    p.drawPath(taperedStroke(spine, 0.4, 3.0, 2.4));
}

void GirlAArt::paintEye(QPainter& p, qreal light) const
{
    EyeShape s;
    s.outer = {-22, 1};
    s.inner = {21, -2};
    s.upper1 = {-20, -23};
    s.upper2 = {12, -25};
    s.lower1 = {20, 16};
    s.lower2 = {-12, 22};
    s.iris = QRectF(-13, -17, 27, 34);
    s.lashWidth = 4.4;
    s.wingTip = {-27, -8};
    s.crease1 = {-16, -21};
    s.crease2 = {0, -26};
    s.crease3 = {13, -23};
    s.lowerLash = 0.35;
    EyeColours c;
    c.lash = QColor(0x33, 0x1C, 0x18);
    c.irisDark = QColor(0x1A, 0x2A, 0x72);
    c.irisMid = QColor(0x2E, 0x62, 0xC6);
    c.irisLight = QColor(0x8C, 0xCB, 0xFF);
    c.pupil = QColor(0x10, 0x14, 0x36);
    c.white = Qt::white;
    c.whiteShade = QColor(0xD4, 0xDC, 0xF0);
    c.crease = kSkinLine;
    art::paintEye(p, s, c, light);
}

void GirlAArt::paintNose(QPainter& p) const
{
    // Lit from the viewer's left: a soft shade down the right side of the bridge and a small
    // line under the tip.
    QPainterPath bridge(QPointF(2, -16));
    bridge.cubicTo(5, -6, 9, 2, 6, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kSkinShade, 200));
    p.drawPath(taperedStroke(bridge, 0.3, 4.5, 2));
    QPainterPath tip(QPointF(-5, 9));
    tip.quadTo(1, 12, 7, 8);
    p.setBrush(withAlpha(kSkinLine, 230));
    p.drawPath(taperedStroke(tip, 0.4, 1.8, 0.8));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(-1, 3), 2, 1.5);
}

void GirlAArt::paintMouth(QPainter& p) const
{
    QPainterPath mouth(QPointF(-11, -5));
    mouth.quadTo(0, -1, 11, -5);
    mouth.cubicTo(9, 7, -9, 7, -11, -5);
    mouth.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xA8, 0x30, 0x3C));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(QColor(0xF2, 0x7E, 0x8C));
    p.drawEllipse(QPointF(0, 5), 7, 4);
    p.restore();

    QPainterPath upper(QPointF(-12, -6));
    upper.quadTo(0, -1, 12, -6);
    p.setBrush(QColor(0x6E, 0x22, 0x24));
    p.drawPath(taperedStroke(upper, 0.4, 1.6, 0.4));
    QPainterPath lip(QPointF(-4, 9));
    lip.quadTo(0, 10, 4, 9);
    p.setBrush(withAlpha(kSkinShade, 220));
    p.drawPath(taperedStroke(lip, 0.3, 1.4, 0.3));
}

} // namespace art
