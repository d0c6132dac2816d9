// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QValidator>

namespace gp {

// Holds a name box to kMaxNameLength characters. QLineEdit::setMaxLength counts UTF-16 units and
// would let a character beyond the BMP count as two; here every character counts as one. A paste
// that would run past the limit keeps only what fits, as a length limit does.
class NameValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace gp
