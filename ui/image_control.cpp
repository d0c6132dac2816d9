#include "ui/image_control.h"

#include "game/rounding.h"

#include <QPainter>

namespace gp {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {}

void ImageControl::setPicture(const QString& name, QSize size, bool opaque)
{
    m_picture = LazyPicture(name);
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    resize(size);
    update();
}

void ImageControl::setLeft(float left)
{
    m_left = left;
    place();
}

void ImageControl::setTop(float top)
{
    m_top = top;
    place();
}

void ImageControl::moveTo(float left, float top)
{
    m_left = left;
    m_top = top;
    place();
}

void ImageControl::place()
{
    move(roundHalfEven(m_left), roundHalfEven(m_top));
}

void ImageControl::paintEvent(QPaintEvent*)
{
    const QPixmap& picture = m_picture.get();
    if (picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, picture);
}

} // namespace gp
