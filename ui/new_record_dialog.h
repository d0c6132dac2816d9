// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/record.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gp {

// The new-record dialog: congratulates the player and takes the record holder's name. Build a
// fresh one for each new record (the name box starts empty) and run it with exec().
//
// The close box and Escape take the name typed so far, as OK does: closing without a name would
// leave the old holder with the new score.
class NewRecordDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewRecordDialog(Record& record, QWidget* parent = nullptr);

    // What OK does: the trimmed name becomes the record's holder, and the dialog closes.
    void confirmName();

    // The name typed so far into the record, and nothing else: for an end in which the display
    // may already be gone.
    void keepTypedName();
    void reject() override;

private:
    Record& m_record;
    QLabel* m_congratulation;
    QLabel* m_namePrompt;
    QLineEdit* m_nameBox;
    QPushButton* m_okButton;
};

} // namespace gp
