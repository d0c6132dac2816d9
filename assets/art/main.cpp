// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// gp-artgen <svgdir> <outdir>: draws the girls from girl_a.svg and girl_b.svg, and the program
// icon from icon.svg, into outdir as PNG files at device pixel ratio 1, after checking that every
// part keeps to its rectangle. Nothing random goes in, so the same files give the same bytes.

#include "game/face_geometry.h"
#include "ui/face_renderer.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// The ratios the parts are checked at: the packed pictures' and one where a stray half pixel of
// the drawing shows.
constexpr qreal kCheckedRatios[] = {1.0, 2.0};

// The pixels a part may use: its own rectangle less every other part's, so no part carries a
// piece of its neighbour, with grow pixels kept clear of all the edges.
QRegion partRegion(int girl, int part, qreal ratio, int grow)
{
    const auto rect = [&](int which) {
        return gp::deviceRect(gp::partCutRect(girl, which), ratio);
    };
    QRegion region(rect(part).adjusted(grow, grow, -grow, -grow));
    for (int other = 0; other < gp::kPartCount; ++other) {
        if (other != part)
            region -= QRegion(rect(other).adjusted(-grow, -grow, grow, grow));
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

bool fail(const QString& why)
{
    std::fprintf(stderr, "gp-artgen: %s\n", qPrintable(why));
    return false;
}

bool save(const QImage& image, const QDir& dir, const QString& name)
{
    return image.save(dir.filePath(name), "PNG") ||
           fail(QStringLiteral("cannot write %1").arg(dir.filePath(name)));
}

bool writeGirl(const QDir& sources, const QDir& out, int girl)
{
    const QString letter = QChar(u'a' + girl);
    const QString file = sources.filePath(QStringLiteral("girl_%1.svg").arg(letter));
    gp::FaceRenderer renderer(file);
    if (!renderer.isValid()) {
        QString ids = QLatin1String(gp::kBlankElementId);
        for (const char* id : gp::kPartElementIds)
            ids += QStringLiteral(", ") + QLatin1String(id);
        return fail(
            QStringLiteral("%1 is unreadable or lacks one of the elements %2").arg(file, ids));
    }
    for (qreal ratio : kCheckedRatios) {
        for (int part = 0; part < gp::kPartCount; ++part) {
            // A margin of one logical pixel: antialiasing on the edge would leave a trace on the
            // neighbouring part.
            const int margin = qRound(ratio);
            const QString stray =
                strayPixel(renderer.partLayer(part, ratio), partRegion(girl, part, ratio, margin));
            if (!stray.isEmpty()) {
                return fail(QStringLiteral("%1: part %2 (%3) at ratio %4 reaches outside its "
                                           "rectangle at pixel %5")
                                .arg(file)
                                .arg(part)
                                .arg(QLatin1String(gp::kPartElementIds[part]))
                                .arg(ratio)
                                .arg(stray));
            }
        }
    }
    const QString prefix = letter + QStringLiteral("_");
    const QImage complete = renderer.complete(1.0);
    bool ok = save(renderer.blank(1.0), out, prefix + "blank.png") &&
              save(complete, out, prefix + "complete.png");
    for (int part = 0; ok && part < gp::kPartCount; ++part)
        ok = save(complete.copy(gp::partCutRect(girl, part)), out,
                  prefix + "part" + QString::number(part) + ".png");
    return ok;
}

// The sizes a desktop looks for in the hicolor theme.
bool writeIcons(const QDir& sources, const QDir& out)
{
    QSvgRenderer svg(sources.filePath(QStringLiteral("icon.svg")));
    if (!svg.isValid())
        return fail(QStringLiteral("%1 is unreadable").arg(sources.filePath("icon.svg")));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        svg.render(&p, QRectF(0, 0, size, size));
        p.end();
        if (!save(icon, out, QStringLiteral("icon_%1.png").arg(size)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: gp-artgen <svgdir> <outdir>\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "gp-artgen: cannot create %s\n", argv[2]);
        return 1;
    }
    for (int girl = 0; girl < gp::kGirlCount; ++girl) {
        if (!writeGirl(sources, out, girl))
            return 1;
    }
    return writeIcons(sources, out) ? 0 : 1;
}
