// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/record.h"

#include <QString>

namespace gp {

// What loading found beyond the three values themselves.
struct LoadedRecord
{
    // False when "H_Score" or "CheckFlag" holds a number outside the 16-bit range; the value
    // in memory is then 0 and the record is refused.
    bool inRange = true;
    // False when YRM.ini is there but could not be read; the defaults are in memory then, and the
    // file is never replaced by a save.
    bool fileReadable = true;
};

// The record in the per-user settings store: section "GAL PORTRAIT" of YRM.ini.
class RecordStore
{
public:
    RecordStore();
    explicit RecordStore(const QString& filePath);

    // ~/.config/YRM.ini, or wherever an absolute XDG_CONFIG_HOME points (see userFolder()).
    static QString defaultFilePath();
    QString filePath() const { return m_filePath; }

    // Missing keys take the default record's values.
    LoadedRecord load(Record& record) const;
    // Writes the record atomically, changing only its own lines of the file; false when it did
    // not reach the file, and failure then says why. Another instance's record in the file is
    // kept if it is valid and has the higher score. A file the next start would refuse is never
    // written.
    bool save(const Record& record, QString* failure = nullptr) const;

private:
    QString m_filePath;
};

// "Todo" with 600, exempt from the check whatever check value is stored.
bool isDefaultRecord(const Record& record);
// The start-up decision on a loaded record.
bool recordAccepted(const Record& record, const LoadedRecord& loaded);

// For the message box that tells the player the record was lost, and why when that is known.
QString saveFailedMessage(const QString& filePath, const QString& failure = QString());
// For the message box at start-up when the file is there but cannot be read.
QString unreadableRecordMessage(const QString& filePath);

} // namespace gp
