// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/girl_b_art.h"

#include "assets/art/paint_kit.h"
#include "game/face_geometry.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

namespace {

const Palette kPalette{
    .skin = QColor(0xFF, 0xEF, 0xE4),
    .skinEdge = QColor(0xFD, 0xDF, 0xCF),
    .skinShade = QColor(0xF4, 0xC4, 0xAE),
    .skinLine = QColor(0xC8, 0x84, 0x6C),
    .hairLight = QColor(0xFF, 0xEE, 0xB0),
    .hair = QColor(0xF6, 0xCC, 0x6A),
    .hairDark = QColor(0xD9, 0x9C, 0x3E),
    .hairLine = QColor(0x9C, 0x62, 0x22),
};
const QColor kPink(0xFF, 0x6F, 0xA6);

const GirlStyle kStyle{
    .girl = gp::GirlB,
    .colours = kPalette,
    .ear = {.start = {-112, 176},
            .upper = {{-130, 164}, {-140, 188}, {-131, 208}},
            .lower = {{-127, 220}, {-118, 224}, {-110, 218}},
            .foldStart = {-118, 184},
            .fold = {{-131, 182}, {-132, 202}, {-121, 210}},
            .foldWidth = 2.4},
    .skin = {.centre = {214, 200}, .radius = 150, .farShadow = 100, .nearShadow = 150},
    .blush = {.left = {148, 228},
              .right = {292, 228},
              .rx = 26,
              .ry = 11,
              .glow = QColor(0xFF, 0x86, 0xA0, 130),
              .hatch = QColor(0xF2, 0x78, 0x92, 150),
              .hatchX = {138.0, 146.0, 154.0, 284.0, 292.0, 300.0},
              .hatchTop = 222,
              .hatchBottom = 232,
              .hatchWidth = 1.3},
    .fringe = {.top = 22,
               .bottom = 170,
               .midStop = 0.4,
               .shineColour = QColor(255, 255, 240, 160),
               .shine = {{220, 150}, 118, 96, 200, 340, 24, 16, 7},
               .lineAlpha = 120,
               .lines = {{{206, 30}, {186, 70}, {176, 100}, {172, 130}, 1.6},
                         {{232, 30}, {236, 80}, {230, 130}, {223, 166}, 1.6},
                         {{180, 34}, {150, 70}, {140, 100}, {140, 130}, 1.4},
                         {{260, 34}, {286, 70}, {292, 100}, {290, 130}, 1.4},
                         {{140, 44}, {104, 100}, {96, 180}, {100, 290}, 1.4},
                         {{300, 44}, {336, 100}, {344, 180}, {340, 290}, 1.4}},
               .glossAlpha = 200,
               .glosses = {{{214, 40}, {204, 80}, {200, 110}, {198, 128}, 2.4},
                           {{258, 44}, {268, 80}, {266, 110}, {262, 128}, 2.2},
                           {{120, 70}, {100, 120}, {96, 200}, {96, 270}, 2.2}}},
    .eyebrow = {.start = {-32, 4},
                .curve = {{-20, -4}, {10, -5}, {36, 1}},
                .colour = QColor(0xB8, 0x80, 0x36)},
    .eye = {.outer = {-27, -5},
            .inner = {27, 4},
            .upper1 = {-18, -24},
            .upper2 = {12, -24},
            .lower1 = {17, 18},
            .lower2 = {-14, 16},
            .iris = QRectF(-14, -18, 29, 34),
            .lashWidth = 5,
            .wingTip = {-28.5, -12},
            .crease1 = {-20, -18.5},
            .crease2 = {-2, -23.5},
            .crease3 = {13, -19.5},
            .lowerLash = 0.5},
    .eyeColours = {.lash = QColor(0x3A, 0x22, 0x16),
                   .irisDark = QColor(0x0B, 0x4A, 0x3A),
                   .irisMid = QColor(0x1E, 0x9A, 0x6E),
                   .irisLight = QColor(0x9E, 0xF0, 0xC4),
                   .pupil = QColor(0x08, 0x2A, 0x22),
                   .white = Qt::white,
                   .whiteShade = QColor(0xDA, 0xE6, 0xDE),
                   .crease = Qt::transparent}, // the heavy lid line needs no fold above it
    .nose = {.bridgeStart = {1, -12},
             .bridge = {{4, -4}, {8, 2}, {5, 7}},
             .bridgeWidth = 4.2,
             .tipStart = {-5, 8},
             .tipControl = {1, 11},
             .tipEnd = {6, 7},
             .highlight = {-1, 2}},
    .lips = {.mouth = QColor(0xB0, 0x32, 0x44),
             .tongue = QColor(0xF6, 0x86, 0x98),
             .line = QColor(0x74, 0x24, 0x28),
             .tongueCentre = {0, 6.5},
             .tongueRx = 8,
             .tongueRy = 4.5},
};

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

class GirlBArt : public GirlArt
{
public:
    GirlBArt() : GirlArt(kStyle) {}

private:
    QPainterPath facePath() const override;
    QPainterPath frontHairPath() const override;
    void paintBackground(QPainter& p) const override;
    void paintBackHair(QPainter& p) const override;
    void paintBody(QPainter& p) const override;
    void paintOrnament(QPainter& p) const override;
    void paintMouth(QPainter& p) const override;
};

QPainterPath GirlBArt::facePath() const
{
    QPainterPath face = symmetricOutline(
        {108, 110}, {{{104, 180}, {106, 218}, {118, 246}}, {{140, 284}, {192, 314}, {220, 316}}},
        220);
    face.cubicTo(326, 30, 114, 30, 108, 110);
    face.closeSubpath();
    return face;
}

// The fringe keeps above the eyebrow rectangles and dips only between them.
QPainterPath GirlBArt::frontHairPath() const
{
    QPainterPath h = symmetricOutline({100, 204}, {{{80, 110}, {112, 20}, {220, 18}}}, 220);
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
    gold.setColorAt(0, kPalette.hair);
    gold.setColorAt(1, kPalette.hairDark);
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(220, 0);
        p.scale(side, 1);
        p.translate(-220, 0);
        const QPainterPath tail = tailPath();
        p.setPen(QPen(kPalette.hairLine, 1.5));
        p.setBrush(gold);
        p.drawPath(tail);
        p.setClipPath(tail);
        paintStrands(p, withAlpha(kPalette.hairLight, 200),
                     {{{70, 70}, {30, 130}, {30, 220}, {44, 300}, 5},
                      {{80, 120}, {60, 200}, {80, 280}, {66, 360}, 3}});
        paintStrands(p, withAlpha(kPalette.hairLine, 130),
                     {{{60, 90}, {20, 160}, {24, 240}, {50, 320}, 1.6},
                      {{86, 200}, {84, 260}, {74, 330}, {60, 396}, 1.6}});
        p.restore();
    }

    QPainterPath head = symmetricOutline({92, 250}, {{{70, 120}, {110, 30}, {220, 30}}}, 220);
    head.cubicTo(330, 290, 110, 290, 92, 250);
    p.setPen(QPen(kPalette.hairLine, 1.5));
    p.setBrush(kPalette.hairDark);
    p.drawPath(head);
}

void GirlBArt::paintBody(QPainter& p) const
{
    QPainterPath body = symmetricOutline(
        {30, 400}, {{{40, 364}, {100, 346}, {160, 340}}, {{182, 338}, {194, 334}, {198, 326}}},
        220);
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
    paintNeck(p, neck, 290, 330);

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

void GirlBArt::paintOrnament(QPainter& p) const
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

void GirlBArt::paintMouth(QPainter& p) const
{
    // A cat's smile: the upper lip dips in the middle.
    QPainterPath mouth(QPointF(-16, -5));
    mouth.cubicTo(-8, -1, -4, -2, 0, -4);
    mouth.cubicTo(4, -2, 8, -1, 16, -5);
    mouth.cubicTo(12, 9, -12, 9, -16, -5);
    mouth.closeSubpath();
    QPainterPath upper(QPointF(-18, -7));
    upper.cubicTo(-8, -1, -4, -2, 0, -4.5);
    upper.cubicTo(4, -2, 8, -1, 18, -7);
    paintLips(p, mouth, upper);
}

} // namespace

std::unique_ptr<GirlArt> makeGirlBArt()
{
    return std::make_unique<GirlBArt>();
}

} // namespace art
