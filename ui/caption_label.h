// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Labels and fills of the status frame and the main window.

#include "ui/colors.h"

#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QWidget;

namespace gp {

// A caption centred at the top of its filled rectangle.
QLabel* makeCaptionLabel(QWidget* parent, const QString& text, QRect place, const QFont& font,
                         const QColor& background,
                         const QColor& textColor = systemColor(QPalette::Text));

} // namespace gp
