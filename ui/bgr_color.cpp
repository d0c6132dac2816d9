// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/bgr_color.h"

#include <QGuiApplication>
#include <QPalette>

namespace gp {

QColor colorFromBgr(std::uint32_t bgr)
{
    if (bgr & 0x80000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (bgr & 0xFFu) {
        case 5:
            return palette.color(QPalette::Base);
        case 8:
            return palette.color(QPalette::Text);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace gp
