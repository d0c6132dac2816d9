// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/face_sheet.h"

#include "assets/art/girl_art.h"
#include "game/face_geometry.h"

#include <QPainter>
#include <QRegion>

namespace art {

namespace {

QRect cutRect(int girl, int part, int scale)
{
    const QRect r = gp::partCutRect(girl, part);
    return QRect(r.left() * scale, r.top() * scale, r.width() * scale, r.height() * scale);
}

// The pixels a feature may use: its own rectangle less every other part's, so no part carries
// a piece of its neighbour. grow > 0 keeps that many pixels clear of all the edges.
QRegion featureRegion(int girl, int part, int scale, int grow)
{
    QRegion region(cutRect(girl, part, scale).adjusted(grow, grow, -grow, -grow));
    for (int other = 0; other < gp::kPartCount; ++other) {
        if (other != part)
            region -= QRegion(cutRect(girl, other, scale).adjusted(-grow, -grow, grow, grow));
    }
    return region;
}

QString strayPixel(const QImage& layer, const QRegion& allowed)
{
    for (int y = 0; y < layer.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(line[x]) != 0 && !allowed.contains(QPoint(x, y)))
                return QStringLiteral("(%1, %2)").arg(x).arg(y);
        }
    }
    return {};
}

} // namespace

QString FaceSheet::render(int girl, int scale)
{
    const auto artist = GirlArt::create(girl);
    const QSize size(gp::kFaceWidth * scale, gp::kFaceHeight * scale);

    blank = QImage(size, QImage::Format_RGB32);
    blank.fill(Qt::white);
    {
        QPainter p(&blank);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        artist->paintBlank(p);
    }

    complete = blank;
    for (int part = 0; part < gp::kPartCount; ++part) {
        QImage layer(size, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(scale, scale);
            artist->paintFeature(p, part);
        }
        const QString stray = strayPixel(layer, featureRegion(girl, part, scale, scale));
        if (!stray.isEmpty()) {
            return QStringLiteral("girl %1 part %2 at %3x reaches outside its region at %4")
                .arg(QChar('a' + girl))
                .arg(part)
                .arg(scale)
                .arg(stray);
        }
        QPainter p(&complete);
        p.setClipRegion(featureRegion(girl, part, scale, 0));
        p.drawImage(0, 0, layer);
    }

    for (int part = 0; part < gp::kPartCount; ++part)
        parts[part] = complete.copy(cutRect(girl, part, scale));
    return {};
}

} // namespace art
