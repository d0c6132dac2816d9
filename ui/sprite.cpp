// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sprite.h"

#include "base/rounding.h"

#include <QPainter>

namespace gp {

Sprite::Sprite(QWidget* parent) : QWidget(parent) {}

void Sprite::setPicture(const QString& name, QSize size, bool opaque)
{
    m_picture = LazyPicture(name, size);
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    resize(size);
    update();
}

void Sprite::moveTo(float left, float top)
{
    move(roundHalfEven(left), roundHalfEven(top));
}

void Sprite::paintEvent(QPaintEvent*)
{
    const QPixmap& picture = m_picture.get(devicePixelRatioF());
    if (picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, picture);
}

} // namespace gp
