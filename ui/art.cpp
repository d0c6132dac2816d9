// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/art.h"

#include "game/face_geometry.h"
#include "ui/face_renderer.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace gp {

namespace {

const QString kArt = QStringLiteral(":/art/");

QPixmap fromImage(const QImage& image)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(image.devicePixelRatio());
    return pixmap;
}

QPixmap transparent(QSize size, qreal ratio)
{
    QPixmap pixmap(deviceRect(QRect(QPoint(), size), ratio).size());
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QSvgRenderer& iconSvg()
{
    static QSvgRenderer svg(kArt + QStringLiteral("icon.svg"));
    return svg;
}

// The build drew the sizes a desktop asks for most, from the same file: reading them is cheaper
// than drawing them, and the window system takes all of them at start-up.
QPixmap renderIcon(QSize size, qreal ratio)
{
    const QSize pixels = deviceRect(QRect(QPoint(), size), ratio).size();
    if (pixels.width() == pixels.height()) {
        QPixmap packed(kArt + QStringLiteral("icon_%1.png").arg(pixels.width()));
        if (!packed.isNull()) {
            packed.setDevicePixelRatio(ratio);
            return packed;
        }
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    iconSvg().render(&p, QRectF(QPointF(), QSizeF(size) * ratio));
    p.end();
    image.setDevicePixelRatio(ratio);
    return fromImage(image);
}

// A girl's pictures at ratios other than 1, kept for the rest of the run: a window that moved to
// another screen may well come back. The complete face is drawn once for all six parts.
QPixmap renderFacePicture(const QString& name, qreal ratio)
{
    static QHash<QString, QPixmap> drawn;
    const QString key = name + QLatin1Char('@') + QString::number(ratio);
    const auto found = drawn.constFind(key);
    if (found != drawn.constEnd())
        return *found;

    const int girl = name.startsWith(QLatin1Char('b')) ? GirlB : GirlA;
    const QString prefix = name.left(2);
    FaceRenderer renderer(kArt + QStringLiteral("girl_%1.svg").arg(prefix.at(0)));
    if (name.endsWith(QLatin1String("blank"))) {
        drawn.insert(key, fromImage(renderer.blank(ratio)));
    } else {
        const QImage complete = renderer.complete(ratio);
        const QString suffix = QLatin1Char('@') + QString::number(ratio);
        drawn.insert(prefix + QStringLiteral("complete") + suffix, fromImage(complete));
        for (int part = 0; part < kPartCount; ++part) {
            QImage cut = complete.copy(deviceRect(partCutRect(girl, part), ratio));
            cut.setDevicePixelRatio(ratio);
            drawn.insert(prefix + QStringLiteral("part%1").arg(part) + suffix, fromImage(cut));
        }
    }
    return drawn.value(key);
}

// Draws the icon for whatever size and ratio the window system or a widget asks for.
class ProgramIconEngine : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        iconSvg().render(painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // size is in device pixels here: QIcon asks for the logical size times the scale.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        QPixmap pixmap = renderIcon(size, 1.0);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QString key() const override { return QStringLiteral("gp-program-icon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

} // namespace

QPixmap artPixmap(const QString& name, QSize size, qreal ratio)
{
    if (name == QLatin1String("invisible_cursor"))
        return transparent(size, ratio);
    if (name == QLatin1String("icon"))
        return renderIcon(size, ratio);
    if (qFuzzyCompare(ratio, 1.0))
        return QPixmap(kArt + name + QStringLiteral(".png"));
    return renderFacePicture(name, ratio);
}

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace gp
