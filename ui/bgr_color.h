// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Colours are written as 0xBBGGRR values, the order the time gauge reports them in; 0x800000nn
// names a colour of the system palette instead.

#include <QColor>
#include <cstdint>

namespace gp {

constexpr std::uint32_t kSystemWindowBackground = 0x80000005;
constexpr std::uint32_t kSystemWindowText = 0x80000008;

// The main window's own colours.
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kCyan = 0x00FFFF00;
constexpr std::uint32_t kTeal = 0x00808000;
constexpr std::uint32_t kPaleCyan = 0x00FFFF80;
constexpr std::uint32_t kLightGreen = 0x0080FF80;
constexpr std::uint32_t kLightYellow = 0x0080FFFF;

QColor colorFromBgr(std::uint32_t bgr);

} // namespace gp
