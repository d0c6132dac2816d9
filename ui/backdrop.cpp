// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/backdrop.h"

#include <QPaintEvent>
#include <QPainter>

namespace gp {

Backdrop::Backdrop(const QColor& background, QWidget* parent)
    : QWidget(parent), m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Backdrop::setPicture(const QString& name, QSize size)
{
    m_picture = LazyPicture(name, size);
    m_pictureRect = QRect(QPoint(0, 0), size);
    update();
}

void Backdrop::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_background);
    // Not decoded while something opaque covers it all.
    if (m_picture.isSet() && event->region().intersects(m_pictureRect))
        p.drawPixmap(0, 0, m_picture.get(devicePixelRatioF()));
}

} // namespace gp
