// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/caption_label.h"

#include <QLabel>

namespace gp {

QLabel* makeCaptionLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                         const QColor& background, const QColor& textColor)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fillBackground(label, background);
    setPaletteColor(label, QPalette::WindowText, textColor);
    return label;
}

} // namespace gp
