// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's colours by what they paint, and the one way a widget's palette is set.

#include <QColor>
#include <QPalette>

class QWidget;

namespace gp {

constexpr QColor kWindowBackground{0x00, 0x80, 0x80};
constexpr QColor kPlayAreaBackgroundA{0x00, 0xFF, 0xFF};
constexpr QColor kPlayAreaBackgroundB{0x80, 0xFF, 0x80};
constexpr QColor kCoverColor{0xFF, 0xFF, 0x80};
constexpr QColor kStatusFrameBackground{0x80, 0xFF, 0xFF};
constexpr QColor kTimeCaptionBackground{0x00, 0xC0, 0xC0};
constexpr QColor kLastMinuteMarkText{0x00, 0x00, 0x00};

constexpr QColor kScorePanelText{0x00, 0x00, 0x00};
constexpr QColor kScorePanelBackground{0xFF, 0xFF, 0xFF};
constexpr QColor kTimeGaugeText{0x00, 0x00, 0x00};
constexpr QColor kTimeGaugeBackground{0x80, 0xFF, 0x80};
constexpr QColor kHintPanelText{0xFF, 0xFF, 0xFF};
constexpr QColor kHintPanelBackground{0x00, 0x00, 0xFF};
constexpr QColor kRecordHolderText{0x00, 0x00, 0x00};
constexpr QColor kRecordHolderBackground{0xFF, 0xFF, 0x00};
constexpr QColor kRecordScoreText{0xFF, 0xFF, 0xFF};
constexpr QColor kRecordScoreBackground{0xFF, 0x00, 0x00};
// The time gauge's fill: ample time, under 30 % left, under 10 % left.
constexpr QColor kGaugeAmple{0x00, 0x00, 0xFF};
constexpr QColor kGaugeLow{0xFF, 0xFF, 0x00};
constexpr QColor kGaugeCritical{0xFF, 0x00, 0x00};

constexpr QColor kCongratulationText{0xFF, 0xFF, 0xFF};
constexpr QColor kCongratulationBackground{0x00, 0x40, 0x40};
constexpr QColor kNamePromptBackground{0x80, 0xFF, 0x80};
constexpr QColor kNameBoxBackground{0x00, 0xFF, 0xFF};

// A colour of the desktop's palette, for the places that follow the system's theme.
QColor systemColor(QPalette::ColorRole role);

void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// The widget's background in the colour, filled before it paints.
void fillBackground(QWidget* widget, const QColor& color);

} // namespace gp
