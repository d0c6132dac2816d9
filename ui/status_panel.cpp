// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/status_panel.h"

#include "ui/device_pixels.h"

#include <QPainter>
#include <algorithm>

namespace gp {

namespace {

constexpr int kBevel = 2; // raised outer bevel plus inset inner bevel, one pixel each

} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StatusPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleDescription(caption);
    update();
}

void StatusPanel::setCaption(int value)
{
    setCaption(QString::number(value));
}

void StatusPanel::setGaugePercent(double percent)
{
    if (percent == m_gaugePercent)
        return;
    const QRect before = gaugeRect().toAlignedRect();
    m_gaugePercent = percent;
    // Only the strip between the old and the new fill edge changes.
    update(before.united(gaugeRect().toAlignedRect()).adjusted(-1, 0, 1, 0));
}

void StatusPanel::setGaugeColor(const QColor& color)
{
    if (color == m_gaugeColor)
        return;
    m_gaugeColor = color;
    update();
}

void StatusPanel::setTextColor(const QColor& color)
{
    m_textColor = color;
    update();
}

void StatusPanel::setBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

QRect StatusPanel::innerRect() const
{
    return rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
}

QRectF StatusPanel::gaugeRect() const
{
    const QRect inner = innerRect();
    const double share = std::clamp(m_gaugePercent, 0.0, 100.0) / 100.0;
    const double width = inner.width() * share;
    return {inner.left() + inner.width() - width, double(inner.top()), width,
            double(inner.height())};
}

void StatusPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    {
        DevicePixels device(p);
        const QRect outer = device.map(rect());
        const int line = device.lineWidth();
        // The fill meets the inner bevel on the device's pixels, leaving no stripe between them.
        const QRect inner =
            outer.adjusted(kBevel * line, kBevel * line, -kBevel * line, -kBevel * line);
        const double share = std::clamp(m_gaugePercent, 0.0, 100.0) / 100.0;
        const int end = inner.right() + 1;
        const int fillLeft = qRound(end - inner.width() * share);
        if (fillLeft < end)
            p.fillRect(QRect(fillLeft, inner.top(), end - fillLeft, inner.height()), m_gaugeColor);

        const QColor light(255, 255, 255);
        const QColor shadow(128, 128, 128);
        device.drawFrame(outer, line, light, shadow);
        device.drawFrame(outer.adjusted(line, line, -line, -line), line, shadow, light);
    }

    if (!m_caption.isEmpty()) {
        p.setPen(m_textColor);
        p.setFont(font());
        p.drawText(innerRect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    }
}

} // namespace gp
