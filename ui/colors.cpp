// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/colors.h"

#include <QGuiApplication>
#include <QWidget>

namespace gp {

QColor systemColor(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(role);
}

void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void fillBackground(QWidget* widget, const QColor& color)
{
    setPaletteColor(widget, QPalette::Window, color);
    widget->setAutoFillBackground(true);
}

} // namespace gp
