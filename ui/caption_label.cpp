// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/caption_label.h"

#include <QLabel>

namespace gp {

void fillBackground(QWidget* widget, std::uint32_t bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colorFromBgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* makeCaptionLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                         std::uint32_t background, std::uint32_t textColor)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fillBackground(label, background);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colorFromBgr(textColor));
    label->setPalette(palette);
    return label;
}

} // namespace gp
