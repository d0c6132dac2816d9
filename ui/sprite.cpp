// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sprite.h"

#include "game/rounding.h"

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

void Sprite::setLeft(float left)
{
    m_left = left;
    place();
}

void Sprite::setTop(float top)
{
    m_top = top;
    place();
}

void Sprite::moveTo(float left, float top)
{
    m_left = left;
    m_top = top;
    place();
}

void Sprite::place()
{
    move(roundHalfEven(m_left), roundHalfEven(m_top));
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
