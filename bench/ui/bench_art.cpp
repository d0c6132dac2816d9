// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What drawing the pictures costs at each device pixel ratio: a girl's complete face (with her six
// parts cut from it) and her blank face drawn from her SVG file, against reading the packed ratio 1
// PNG files; and the window icon in the sizes the window system is given.

#include "game/face_geometry.h"
#include "ui/art.h"
#include "ui/face_renderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(const std::function<void()>& work, int rounds = 9)
{
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const double png = medianMs([] {
        QImage(QStringLiteral(":/art/a_complete.png")).size();
        for (int part = 0; part < gp::kPartCount; ++part)
            QImage(QStringLiteral(":/art/a_part%1.png").arg(part)).size();
    });
    std::printf("ratio 1 from the packed PNG files: complete face and six parts %.1f ms\n", png);
    for (qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        double complete = 0, blank = 0;
        for (int girl = 0; girl < gp::kGirlCount; ++girl) {
            gp::FaceRenderer renderer(QStringLiteral(":/art/girl_%1.svg").arg(QChar(u'a' + girl)));
            complete += medianMs([&] {
                const QImage face = renderer.complete(ratio);
                for (int part = 0; part < gp::kPartCount; ++part)
                    (void)face.copy(gp::deviceRect(gp::partCutRect(girl, part), ratio));
            });
            blank += medianMs([&] { renderer.blank(ratio); });
        }
        std::printf("ratio %.2f from SVG, per girl: complete face and six parts %.1f ms, blank "
                    "face %.1f ms\n",
                    ratio, complete / gp::kGirlCount, blank / gp::kGirlCount);
    }
    const QIcon icon = gp::programIcon();
    // Once: the files read are kept in Qt's pixmap cache.
    const double icons = medianMs(
        [&] {
            for (const QSize& size : icon.availableSizes())
                icon.pixmap(size).size();
        },
        1);
    std::printf("window icon, %lld sizes as the window system takes them: %.1f ms\n",
                qlonglong(icon.availableSizes().size()), icons);
    return 0;
}
