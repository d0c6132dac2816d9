// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// gp-artgen <outdir>: draws every picture of the game into outdir as PNG files. The build runs it
// and packs the files into the program's resources; nothing random goes in, so the same program
// writes the same bytes every time.

#include "assets/art/face_sheet.h"
#include "assets/art/icon_art.h"
#include "game/face_geometry.h"

#include <QDir>
#include <QImage>

#include <cstdio>

namespace {

bool save(const QImage& image, const QDir& dir, const QString& name)
{
    if (image.save(dir.filePath(name), "PNG"))
        return true;
    std::fprintf(stderr, "gp-artgen: cannot write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

bool writeGirl(const QDir& dir, int girl, int scale)
{
    art::FaceSheet sheet;
    const QString error = sheet.render(girl, scale);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "gp-artgen: %s\n", qPrintable(error));
        return false;
    }
    const QString prefix = QChar('a' + girl) + QStringLiteral("_");
    const QString suffix = scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    bool ok = save(sheet.blank, dir, prefix + "blank" + suffix) &&
              save(sheet.complete, dir, prefix + "complete" + suffix);
    for (int part = 0; ok && part < gp::kPartCount; ++part)
        ok = save(sheet.parts[part], dir, prefix + "part" + QString::number(part) + suffix);
    return ok;
}

bool writeIcons(const QDir& dir)
{
    bool ok =
        save(art::paintIcon(32), dir, "icon.png") && save(art::paintIcon(64), dir, "icon@2x.png");
    for (int size : {16, 24, 48, 64, 128, 256})
        ok = ok && save(art::paintIcon(size), dir, QStringLiteral("icon_%1.png").arg(size));
    // The drag cursor: carried parts and the pointer vanish, so the player places them blind.
    QImage drag(32, 32, QImage::Format_ARGB32);
    drag.fill(Qt::transparent);
    return ok && save(drag, dir, "invisible_cursor.png");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gp-artgen <outdir>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "gp-artgen: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int girl = 0; girl < gp::kGirlCount; ++girl) {
        for (int scale : {1, 2}) {
            if (!writeGirl(dir, girl, scale))
                return 1;
        }
    }
    return writeIcons(dir) ? 0 : 1;
}
