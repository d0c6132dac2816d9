// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/face_renderer.h"

#include <QPainter>

#include <cmath>

namespace gp {

QRect deviceRect(const QRect& logical, qreal ratio)
{
    const auto scaled = [ratio](int length) { return int(std::lround(length * ratio)); };
    return QRect(scaled(logical.left()), scaled(logical.top()), scaled(logical.width()),
                 scaled(logical.height()));
}

FaceRenderer::FaceRenderer(const QString& svgFile) : m_svg(svgFile) {}

bool FaceRenderer::isValid() const
{
    if (!m_svg.isValid() || !m_svg.elementExists(QLatin1String(kBlankElementId)))
        return false;
    for (const char* id : kPartElementIds) {
        if (!m_svg.elementExists(QLatin1String(id)))
            return false;
    }
    return true;
}

QImage FaceRenderer::blank(qreal ratio)
{
    return render(kBlankElementId, ratio, true);
}

QImage FaceRenderer::complete(qreal ratio)
{
    return render(nullptr, ratio, true);
}

QImage FaceRenderer::partLayer(int part, qreal ratio)
{
    return render(kPartElementIds[part], ratio, false);
}

QImage FaceRenderer::render(const char* elementId, qreal ratio, bool opaque)
{
    const QRect face(0, 0, kFaceWidth, kFaceHeight);
    QImage image(deviceRect(face, ratio).size(),
                 opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter p(&image);
    if (!elementId) {
        m_svg.render(&p, QRectF(face.topLeft(), QSizeF(face.size()) * ratio));
    } else {
        // An element is drawn with its own bounds mapped onto the given ones: the same bounds
        // scaled by the ratio leave it where it lies on the face.
        const QString id = QLatin1String(elementId);
        const QRectF bounds = m_svg.boundsOnElement(id);
        m_svg.render(&p, id, QRectF(bounds.topLeft() * ratio, bounds.size() * ratio));
    }
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace gp
