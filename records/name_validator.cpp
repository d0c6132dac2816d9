// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/name_validator.h"

#include "records/record_name.h"

namespace gp {

QValidator::State NameValidator::validate(QString& input, int& pos) const
{
    qsizetype excess = nameLength(input) - kMaxNameLength;
    if (excess <= 0)
        return Acceptable;
    // What was just typed or pasted ends at the cursor: drop the overflow from there, whole
    // characters at a time.
    const QList<QStringView> typed = nameCharacters(QStringView(input).first(pos));
    qsizetype width = 0;
    for (qsizetype i = typed.size() - 1; i >= 0 && excess > 0; --i, --excess)
        width += typed[i].size();
    input.remove(pos - width, width);
    pos -= int(width);
    return excess > 0 ? Invalid : Acceptable;
}

} // namespace gp
