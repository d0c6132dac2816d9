// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The record's three keys inside the bytes of YRM.ini, in the INI dialect QSettings writes.
//
// QSettings is not used for this file: it decodes typed values ("@Variant(...)") recursively, so a
// crafted line in any section could crash the program at start-up or at the save, and it rewrites
// the whole file, dropping comments and the mode. This reader takes every value as plain text and
// the writer changes only the record's own lines.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace gp {

// The texts under "H_Name", "H_Score" and "CheckFlag" of the section "GAL PORTRAIT"; a key that is
// not there stays empty (no value, not an empty text).
struct IniRecordTexts
{
    std::optional<QString> name;
    std::optional<QString> score;
    std::optional<QString> check;
};

// Reads the keys as QSettings reads a plain string: the last of several lines wins, quotes and
// escapes are resolved, "@@" stands for "@", "@String(...)" for its inside; any other "@" value
// stays as the text it is. A list ("a, b") is joined with ", ".
IniRecordTexts readIniRecord(QByteArrayView ini);

// The file with the record's key lines set to these texts, every other byte as it was: each line
// of a key is rewritten in place, a missing key is added below the section's header, a missing
// section at the end of the file.
QByteArray writeIniRecord(QByteArrayView ini, const IniRecordTexts& texts);

} // namespace gp
