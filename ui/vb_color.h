#pragma once

// Colours are designed as 0xBBGGRR values; 0x800000nn names a system colour.

#include <QColor>
#include <cstdint>

namespace gp {

constexpr std::uint32_t kSysWindowBackground = 0x80000005;
constexpr std::uint32_t kSysWindowText = 0x80000008;

QColor vbColor(std::uint32_t bgr);

} // namespace gp
