// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/outline_box.h"

#include "ui/device_pixels.h"

#include <QPainter>

namespace gp {

OutlineBox::OutlineBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    DevicePixels device(p);
    const QColor line = palette().color(QPalette::WindowText);
    device.drawFrame(device.map(rect()), device.lineWidth(), line, line);
}

} // namespace gp
