// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/icon_art.h"

#include "assets/art/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace art {

namespace {

const QColor kSkin(0xFF, 0xE8, 0xDA);
const QColor kHair(0x5A, 0x33, 0x24);
const QColor kHairLight(0x9A, 0x66, 0x4C);
const QColor kLine(0x26, 0x13, 0x0D);
const QColor kRed(0xE0, 0x32, 0x50);

void paintEye(QPainter& p, qreal x, qreal line)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x62, 0xC6));
    p.drawEllipse(QRectF(x - 3.6, 33.5, 7.2, 9.5));
    p.setBrush(QColor(0x14, 0x1C, 0x48));
    p.drawEllipse(QRectF(x - 2.2, 35, 4.4, 5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x + 1.2, 35.8), 1.3, 1.3);
    QPainterPath lash(QPointF(x - 5, 35));
    lash.quadTo(x, 30.5, x + 4.5, 33.5);
    p.setBrush(kLine);
    p.drawPath(taperedStroke(lash, line * 1.2, line * 1.3, line * 0.5));
}

} // namespace

// Drawn on a 64 x 64 grid. Lines never get thinner than about one device pixel, or they would
// fade away in the small sizes.
QImage paintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const qreal line = std::max(0.8, 64.0 / size * 0.9);

    QPainterPath back(QPointF(32, 5));
    back.cubicTo(12, 5, 4, 20, 5, 36);
    back.cubicTo(6, 48, 5, 56, 6, 60);
    back.lineTo(58, 60);
    back.cubicTo(59, 56, 58, 48, 59, 36);
    back.cubicTo(60, 20, 52, 5, 32, 5);
    QLinearGradient fall(0, 5, 0, 62);
    fall.setColorAt(0, kHair);
    fall.setColorAt(1, kHair.darker(150));
    p.setPen(QPen(kLine, line));
    p.setBrush(fall);
    p.drawPath(back);

    QPainterPath face(QPointF(13, 28));
    face.cubicTo(12, 42, 20, 56, 32, 57);
    face.cubicTo(44, 56, 52, 42, 51, 28);
    face.closeSubpath();
    p.setPen(QPen(QColor(0xB8, 0x74, 0x60), line * 0.8));
    p.setBrush(kSkin);
    p.drawPath(face);
    softGlow(p, QPointF(18.5, 46), 5, 2.6, QColor(0xFF, 0x80, 0x96, 170));
    softGlow(p, QPointF(45.5, 46), 5, 2.6, QColor(0xFF, 0x80, 0x96, 170));

    QPainterPath fringe(QPointF(8, 40));
    fringe.cubicTo(4, 16, 18, 7, 32, 7);
    fringe.cubicTo(46, 7, 60, 16, 56, 40);
    fringe.lineTo(51, 31);
    addHem(fringe, {{46, 24}, {42, 30}, {36, 22}, {32, 34}, {28, 22}, {22, 30}, {18, 24}, {13, 31}},
           10);
    fringe.closeSubpath();
    QLinearGradient shine(0, 7, 0, 34);
    shine.setColorAt(0, kHairLight);
    shine.setColorAt(0.5, kHair);
    shine.setColorAt(1, kHair.darker(130));
    p.setPen(QPen(kLine, line));
    p.setBrush(shine);
    p.drawPath(fringe);

    paintEye(p, 23.5, line);
    paintEye(p, 40.5, line);
    QPainterPath mouth(QPointF(29.5, 48.5));
    mouth.quadTo(32, 51, 34.5, 48.5);
    p.setBrush(QColor(0xB0, 0x34, 0x40));
    p.drawPath(taperedStroke(mouth, line * 0.5, line * 1.1, line * 0.5));

    p.save();
    p.translate(15, 12);
    p.rotate(-22);
    p.setPen(QPen(kRed.darker(190), line * 0.8));
    p.setBrush(kRed);
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath loop(QPointF(0, 0));
        loop.cubicTo(side * 4, -9, side * 13, -7, side * 12, -1);
        loop.cubicTo(side * 11, 5, side * 4, 4, 0, 0);
        p.drawPath(loop);
    }
    p.drawEllipse(QPointF(0, 0), 2.8, 2.8);
    p.restore();
    return image;
}

} // namespace art
