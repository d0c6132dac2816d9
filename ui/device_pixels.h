// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Lines laid on whole device pixels. At a fractional device pixel ratio a widget's edges fall
// between device pixels, and Qt paints it onto the pixels its edges round to. A line drawn in
// logical pixels at the widget's edge may round to a pixel beyond those, where it is clipped
// away, or come out thicker on one side than on the other. Drawn through this, the lines take
// the pixels the widget's own rectangle fills, one logical pixel thick each, rounded.

#include <QRect>
#include <QTransform>

class QColor;
class QPainter;

namespace gp {

// Device pixels a line one logical pixel wide takes: the ratio rounded, never less than one.
int deviceLineWidth(double ratio);

class DevicePixels
{
public:
    // The painter draws in device pixels until this is destroyed.
    explicit DevicePixels(QPainter& painter);
    ~DevicePixels();
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    // The device pixels that filling the logical rectangle paints: each edge rounded to the
    // nearest pixel boundary.
    QRect map(const QRectF& logical) const;
    int lineWidth() const { return m_lineWidth; }

    // A frame `width` device pixels thick along the inside of `r`. The bottom and right sides
    // take the corners they share with the top and left ones, as a lit bevel's shadow does.
    void drawFrame(const QRect& r, int width, const QColor& topLeft, const QColor& bottomRight);
    // The same with a patterned pen, whose dashes scale with the width.
    void drawPatternFrame(const QRect& r, int width, const QColor& color, Qt::PenStyle style);

private:
    QPainter& m_painter;
    QTransform m_toDevice;
    int m_lineWidth;
};

} // namespace gp
