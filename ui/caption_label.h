// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Labels and fills of the status frame and the main window.

#include "ui/bgr_color.h"

#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QWidget;

namespace gp {

// Fills the widget's background with a 0xBBGGRR colour.
void fillBackground(QWidget* widget, std::uint32_t bgr);

// A caption centred at the top of its filled rectangle.
QLabel* makeCaptionLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                         std::uint32_t background, std::uint32_t textColor = kSystemWindowText);

} // namespace gp
