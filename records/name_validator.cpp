// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/name_validator.h"

#include "records/record_name.h"

namespace gp {

QValidator::State NameValidator::validate(QString& input, int& pos) const
{
    qsizetype excess = nameLength(input) - kMaxNameLength;
    // What was just typed or pasted ends at the cursor: drop the overflow from there, whole
    // characters at a time.
    while (excess > 0 && pos > 0) {
        int width = 1;
        if (pos >= 2 && input[pos - 1].isLowSurrogate() && input[pos - 2].isHighSurrogate())
            width = 2;
        input.remove(pos - width, width);
        pos -= width;
        --excess;
    }
    return excess > 0 ? Invalid : Acceptable;
}

} // namespace gp
