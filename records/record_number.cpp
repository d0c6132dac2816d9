// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/record_number.h"

#include "base/rounding.h"

#include <charconv>
#include <limits>
#include <string>

namespace gp {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

RecordNumber readRecordNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    // Collected as plain ASCII so the conversion below does not depend on the user's locale.
    std::string number;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    bool integerNonZero = false;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        number += char(text[i].unicode());
        anyDigit = true;
        integerNonZero = integerNonZero || text[i] != u'0';
    }
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        for (++i; i < text.size() && isAsciiDigit(text[i]); ++i) {
            number += char(text[i].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return {};

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range)
        // Beyond the range of a double it is far beyond 16 bits; a lost tiny fraction is 0.
        return integerNonZero ? RecordNumber{0, false} : RecordNumber{};
    if (error != std::errc())
        return {};

    const double rounded = roundHalfEvenDouble(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return {0, false};
    return {static_cast<std::int16_t>(rounded), true};
}

} // namespace gp
