// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <cstdint>

namespace gp {

// A number read from a record key. A value outside the 16-bit range cannot be kept without
// clamping or wrapping, so it is only flagged here and the record check refuses it.
struct RecordNumber
{
    std::int16_t value = 0;
    bool inRange = true;
};

// The number at the start of a key's text: leading blanks skipped, the longest decimal prefix
// (sign, digits, point, fraction) taken, rounded to the nearest integer with halves to even.
// Text that does not begin with a number reads as 0.
RecordNumber readRecordNumber(QStringView text);

} // namespace gp
