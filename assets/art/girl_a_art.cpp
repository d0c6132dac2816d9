// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/girl_a_art.h"

#include "assets/art/paint_kit.h"
#include "game/face_geometry.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

namespace {

const Palette kPalette{
    .skin = QColor(0xFF, 0xEC, 0xE0),
    .skinEdge = QColor(0xFC, 0xDC, 0xC9),
    .skinShade = QColor(0xF2, 0xBF, 0xA8),
    .skinLine = QColor(0xC0, 0x7C, 0x66),
    .hairLight = QColor(0x8A, 0x57, 0x40),
    .hair = QColor(0x5A, 0x33, 0x24),
    .hairDark = QColor(0x36, 0x1D, 0x14),
    .hairLine = QColor(0x26, 0x13, 0x0D),
};
const QColor kNavy(0x25, 0x31, 0x66);
const QColor kRed(0xDE, 0x36, 0x50);

const GirlStyle kStyle{
    .girl = gp::GirlA,
    .colours = kPalette,
    .ear = {.start = {-90, 224},
            .upper = {{-104, 212}, {-114, 230}, {-106, 248}},
            .lower = {{-102, 258}, {-94, 264}, {-87, 258}},
            .foldStart = {-93, 232},
            .fold = {{-104, 228}, {-104, 244}, {-96, 250}},
            .foldWidth = 2.2},
    .skin = {.centre = {214, 232}, .radius = 125, .farShadow = 110, .nearShadow = 160},
    .blush = {.left = {164, 262},
              .right = {276, 262},
              .rx = 20,
              .ry = 9,
              .glow = QColor(0xFF, 0x8C, 0x9C, 120),
              .hatch = QColor(0xF0, 0x7A, 0x8A, 150),
              .hatchX = {156.0, 163.0, 170.0, 270.0, 277.0, 284.0},
              .hatchTop = 257,
              .hatchBottom = 266,
              .hatchWidth = 1.2},
    .fringe = {.top = 82,
               .bottom = 200,
               .midStop = 0.35,
               .shineColour = QColor(0xC8, 0x96, 0x7A, 115),
               .shine = {{220, 190}, 100, 76, 204, 336, 22, 14, 6},
               .lineAlpha = 140,
               .lines = {{{206, 90}, {190, 120}, {178, 150}, {170, 176}, 1.5},
                         {{230, 90}, {236, 130}, {232, 170}, {225, 196}, 1.5},
                         {{190, 92}, {160, 120}, {150, 150}, {150, 176}, 1.3},
                         {{250, 92}, {270, 120}, {280, 150}, {284, 176}, 1.3},
                         {{160, 100}, {130, 140}, {124, 190}, {128, 250}, 1.3},
                         {{280, 100}, {310, 140}, {316, 190}, {312, 250}, 1.3}},
               .glossAlpha = 160,
               .glosses = {{{214, 100}, {206, 130}, {200, 150}, {198, 170}, 2.2},
                           {{268, 104}, {276, 130}, {274, 150}, {268, 170}, 2}}},
    .eyebrow = {.start = {-25, 2.5},
                .curve = {{-14, -3.5}, {8, -3.5}, {25, 0.5}},
                .colour = kPalette.hair},
    .eye = {.outer = {-22, 1},
            .inner = {21, -2},
            .upper1 = {-20, -23},
            .upper2 = {12, -25},
            .lower1 = {20, 16},
            .lower2 = {-12, 22},
            .iris = QRectF(-13, -17, 27, 34),
            .lashWidth = 4.4,
            .wingTip = {-27, -8},
            .crease1 = {-16, -21},
            .crease2 = {0, -26},
            .crease3 = {13, -23},
            .lowerLash = 0.35},
    .eyeColours = {.lash = QColor(0x33, 0x1C, 0x18),
                   .irisDark = QColor(0x1A, 0x2A, 0x72),
                   .irisMid = QColor(0x2E, 0x62, 0xC6),
                   .irisLight = QColor(0x8C, 0xCB, 0xFF),
                   .pupil = QColor(0x10, 0x14, 0x36),
                   .white = Qt::white,
                   .whiteShade = QColor(0xD4, 0xDC, 0xF0),
                   .crease = kPalette.skinLine},
    .nose = {.bridgeStart = {2, -16},
             .bridge = {{5, -6}, {9, 2}, {6, 8}},
             .bridgeWidth = 4.5,
             .tipStart = {-5, 9},
             .tipControl = {1, 12},
             .tipEnd = {7, 8},
             .highlight = {-1, 3}},
    .lips = {.mouth = QColor(0xA8, 0x30, 0x3C),
             .tongue = QColor(0xF2, 0x7E, 0x8C),
             .line = QColor(0x6E, 0x22, 0x24),
             .tongueCentre = {0, 5},
             .tongueRx = 7,
             .tongueRy = 4},
};

class GirlAArt : public GirlArt
{
public:
    GirlAArt() : GirlArt(kStyle) {}

private:
    QPainterPath facePath() const override;
    QPainterPath frontHairPath() const override;
    void paintBackground(QPainter& p) const override;
    void paintBackHair(QPainter& p) const override;
    void paintBody(QPainter& p) const override;
    void paintOrnament(QPainter& p) const override;
    void paintMouth(QPainter& p) const override;
};

QPainterPath GirlAArt::facePath() const
{
    QPainterPath face = symmetricOutline(
        {128, 150}, {{{126, 200}, {127, 245}, {139, 274}}, {{153, 304}, {192, 326}, {220, 327}}},
        220);
    face.cubicTo(310, 95, 130, 95, 128, 150);
    face.closeSubpath();
    return face;
}

// The fringe dips lowest between the brows, where no cut rectangle lies, and stays above the
// eyebrow rectangles elsewhere so the brows show on clear skin.
QPainterPath GirlAArt::frontHairPath() const
{
    QPainterPath h = symmetricOutline({108, 214}, {{{92, 140}, {126, 84}, {220, 82}}}, 220);
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
    const QPainterPath back = symmetricOutline(
        {220, 84}, {{{120, 84}, {84, 150}, {86, 222}}, {{88, 292}, {70, 350}, {44, 400}}}, 220);
    QLinearGradient fall(0, 84, 0, 400);
    fall.setColorAt(0, kPalette.hair);
    fall.setColorAt(1, kPalette.hairDark);
    p.setPen(QPen(kPalette.hairLine, 1.5));
    p.setBrush(fall);
    p.drawPath(back);

    // Behind the neck the hair lies in its own shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x14, 0x0E));
    p.drawPath(symmetricOutline({146, 240}, {{{150, 300}, {170, 340}, {162, 400}}}, 220));

    p.save();
    p.setClipPath(back);
    paintStrands(p, withAlpha(kPalette.hairLight, 150),
                 {{{98, 200}, {92, 280}, {84, 340}, {62, 398}, 3},
                  {{342, 200}, {348, 280}, {356, 340}, {378, 398}, 3}});
    paintStrands(p, withAlpha(kPalette.hairLine, 150),
                 {{{108, 250}, {104, 310}, {92, 360}, {80, 400}, 1.6},
                  {{332, 250}, {336, 310}, {348, 360}, {360, 400}, 1.6}});
    p.restore();
}

void GirlAArt::paintBody(QPainter& p) const
{
    QPainterPath body = symmetricOutline(
        {34, 400}, {{{44, 368}, {98, 352}, {160, 346}}, {{180, 344}, {192, 342}, {198, 336}}}, 220);
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
    paintNeck(p, neck, 300, 340);

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

void GirlAArt::paintOrnament(QPainter& p) const
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

void GirlAArt::paintMouth(QPainter& p) const
{
    QPainterPath mouth(QPointF(-11, -5));
    mouth.quadTo(0, -1, 11, -5);
    mouth.cubicTo(9, 7, -9, 7, -11, -5);
    mouth.closeSubpath();
    QPainterPath upper(QPointF(-12, -6));
    upper.quadTo(0, -1, 12, -6);
    paintLips(p, mouth, upper);

    QPainterPath lip(QPointF(-4, 9));
    lip.quadTo(0, 10, 4, 9);
    p.setBrush(withAlpha(kPalette.skinShade, 220));
    p.drawPath(taperedStroke(lip, 0.3, 1.4, 0.3));
}

} // namespace

std::unique_ptr<GirlArt> makeGirlAArt()
{
    return std::make_unique<GirlAArt>();
}

} // namespace art
