// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fixed geometry of the two girls: where each part belongs, how big its picture is and where the
// tray keeps it before a game. Header-only so the art generator shares the very same numbers.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace gp {

constexpr int kGirlCount = 2;
constexpr int kPartCount = 6;

enum Girl : int { GirlA = 0, GirlB = 1 };

// Part index: 0 right eyebrow, 1 left eyebrow, 2 right eye, 3 left eye, 4 nose, 5 mouth.
// "Right" and "left" are the girl's own: parts 0 and 2 sit on the viewer's left.

constexpr int kFaceWidth = 440;
constexpr int kFaceHeight = 400;
constexpr int kPlayAreaWidth = 554;
constexpr int kPlayAreaHeight = 400;

// Target centres in play-area pixels; the hints steer towards the same points.
constexpr std::array<std::array<QPoint, kPartCount>, kGirlCount> kTargets{{
    {{{175, 188}, {278, 188}, {175, 224}, {265, 224}, {218, 247}, {220, 287}}},
    {{{150, 145}, {285, 145}, {155, 185}, {285, 185}, {220, 230}, {220, 265}}},
}};

// Bitmap sizes of the part pictures.
constexpr std::array<std::array<QSize, kPartCount>, kGirlCount> kPartSizes{{
    {{{64, 13}, {62, 13}, {64, 51}, {62, 51}, {32, 64}, {32, 32}}},
    {{{90, 19}, {92, 18}, {63, 48}, {63, 49}, {35, 47}, {59, 20}}},
}};

// The tray's start column.
constexpr std::array<int, kGirlCount> kStartColumnLeft{465, 450};
constexpr std::array<int, kPartCount> kStartColumnTop{20, 55, 100, 175, 250, 345};

// The rectangle of the complete face that a part's picture is cut from: its size, centred on the
// target. An odd size cannot be centred on whole pixels; the extra pixel goes above or left of the
// target, so the picture's centre lies half a pixel off it, which the evaluation rounds to 0.
constexpr QRect partCutRect(int girl, int part)
{
    const QPoint t = kTargets[girl][part];
    const QSize s = kPartSizes[girl][part];
    return {t.x() - (s.width() + 1) / 2, t.y() - (s.height() + 1) / 2, s.width(), s.height()};
}

} // namespace gp
