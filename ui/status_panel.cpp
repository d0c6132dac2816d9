// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/status_panel.h"

#include <QPainter>
#include <algorithm>

namespace gp {

namespace {

constexpr int kBevel = 2; // raised outer bevel plus inset inner bevel, one pixel each

void drawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

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
    const QRect r = rect();
    p.fillRect(r, m_background);
    const QRectF fill = gaugeRect();
    if (fill.width() > 0)
        p.fillRect(fill, m_gaugeColor);

    const QColor light(255, 255, 255);
    const QColor shadow(128, 128, 128);
    // QRect's right() and bottom() are the last column and row: the outer bevel ends there.
    drawBevel(p, r, light, shadow);
    drawBevel(p, r.adjusted(1, 1, -1, -1), shadow, light);

    if (!m_caption.isEmpty()) {
        p.setPen(m_textColor);
        p.setFont(font());
        p.drawText(innerRect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    }
}

} // namespace gp
