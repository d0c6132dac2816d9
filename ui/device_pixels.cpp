// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/device_pixels.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace gp {

int deviceLineWidth(double ratio)
{
    return std::max(1, qRound(ratio));
}

DevicePixels::DevicePixels(QPainter& painter)
    : m_painter(painter), m_toDevice(painter.deviceTransform()),
      m_lineWidth(deviceLineWidth(std::hypot(m_toDevice.m11(), m_toDevice.m12())))
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    // Whatever the painter's own transformation, drawing now lands on device coordinates.
    m_painter.setWorldTransform(m_toDevice.inverted(), true);
}

DevicePixels::~DevicePixels()
{
    m_painter.restore();
}

QRect DevicePixels::map(const QRectF& logical) const
{
    const QRectF r = m_toDevice.mapRect(logical);
    const int left = qRound(r.left());
    const int top = qRound(r.top());
    return {left, top, qRound(r.right()) - left, qRound(r.bottom()) - top};
}

void DevicePixels::drawFrame(const QRect& r, int width, const QColor& topLeft,
                             const QColor& bottomRight)
{
    const int w = std::min({width, r.width(), r.height()});
    if (w <= 0)
        return;
    m_painter.fillRect(QRect(r.left(), r.top(), r.width() - w, w), topLeft);
    m_painter.fillRect(QRect(r.left(), r.top(), w, r.height() - w), topLeft);
    m_painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), bottomRight);
    m_painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), bottomRight);
}

void DevicePixels::drawPatternFrame(const QRect& r, int width, const QColor& color,
                                    Qt::PenStyle style)
{
    if (width <= 0 || r.width() < width || r.height() < width)
        return;
    // An aliased pen of odd width covers its point and (width - 1) / 2 pixels on either side;
    // one of even width covers width / 2 pixels before the point and width / 2 - 1 after.
    const int inset = width / 2;
    m_painter.setPen(QPen(color, width, style, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(
        QRectF(r.left() + inset, r.top() + inset, r.width() - width, r.height() - width));
}

} // namespace gp
