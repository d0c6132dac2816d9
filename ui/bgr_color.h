#pragma once

// Colours are written as 0xBBGGRR values, the order the time gauge reports them in; 0x800000nn
// names a colour of the system palette instead.

#include <QColor>
#include <cstdint>

namespace gp {

constexpr std::uint32_t kSystemWindowBackground = 0x80000005;
constexpr std::uint32_t kSystemWindowText = 0x80000008;

QColor colorFromBgr(std::uint32_t bgr);

} // namespace gp
