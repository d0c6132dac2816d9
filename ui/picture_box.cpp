#include "ui/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace gp {

PictureBox::PictureBox(const QColor& background, QWidget* parent)
    : QWidget(parent), m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_background);
    if (!m_picture.isNull())
        p.drawPixmap(0, 0, m_picture);
}

} // namespace gp
