// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/outline_box.h"

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
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace gp
