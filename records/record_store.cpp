// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/record_store.h"

#include "records/check_value.h"
#include "records/ini_record_file.h"
#include "records/record_file.h"
#include "records/record_name.h"
#include "records/record_number.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace gp {

namespace {

// Two instances saving at once wait this long for each other; a save takes milliseconds.
constexpr int kLockTimeoutMs = 2000;

LoadedRecord recordFromTexts(const IniRecordTexts& texts, Record& record)
{
    const Record defaults;
    record.holder = texts.name.value_or(defaults.holder);
    const RecordNumber score =
        readRecordNumber(texts.score.value_or(QString::number(defaults.score)));
    const RecordNumber check = readRecordNumber(texts.check.value_or(QString()));
    record.score = score.value;
    record.checkValue = check.value;
    return {score.inRange && check.inRange};
}

} // namespace

RecordStore::RecordStore() : RecordStore(defaultFilePath()) {}

RecordStore::RecordStore(const QString& filePath) : m_filePath(filePath) {}

QString RecordStore::defaultFilePath()
{
    // Where QSettings keeps organisation "YRM"; asking QSettings itself would have it read the
    // file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/YRM.ini");
}

LoadedRecord RecordStore::load(Record& record) const
{
    const RecordFileBytes file = readRecordFile(m_filePath);
    LoadedRecord loaded = recordFromTexts(readIniRecord(file.bytes), record);
    loaded.fileReadable = file.state != RecordFileState::Unreadable;
    return loaded;
}

bool RecordStore::save(const Record& record) const
{
    if (m_filePath.isEmpty())
        return false;
    // The check value is computed over the name in memory; when the stored name loses leading
    // blanks, a value over the other name would get the record refused at the next start.
    const QString name = removeLeadingBlanks(record.holder);
    const std::int16_t checkFlag =
        name == record.holder ? record.checkValue : checkValue(name, record.score);
    const IniRecordTexts texts{name, QString::number(record.score), QString::number(checkFlag)};

    // A first save on a fresh account finds no ~/.config yet.
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    QLockFile lock(recordLockPath(m_filePath));
    if (!lock.tryLock(kLockTimeoutMs))
        return false;
    const RecordFileBytes old = readRecordFile(m_filePath);
    if (old.state == RecordFileState::Unreadable)
        return false;
    Record stored;
    const LoadedRecord storedRecord = recordFromTexts(readIniRecord(old.bytes), stored);
    // Another instance may have saved a better record since this one started.
    if (old.state == RecordFileState::Read && recordAccepted(stored, storedRecord) &&
        stored.score > record.score)
        return true;

    const QByteArray bytes = writeIniRecord(old.bytes, texts);
    // The edit must read back as the record, or an oddity of the old file swallowed it.
    const IniRecordTexts written = readIniRecord(bytes);
    if (written.name != texts.name || written.score != texts.score || written.check != texts.check)
        return false;
    return bytes == old.bytes || replaceRecordFile(m_filePath, bytes);
}

bool isDefaultRecord(const Record& record)
{
    const Record defaults;
    return record.holder == defaults.holder && record.score == defaults.score;
}

bool recordAccepted(const Record& record, const LoadedRecord& loaded)
{
    // Any stored check value goes with the default record; an out-of-range score was read as 0,
    // so it never passes for the default.
    if (isDefaultRecord(record))
        return true;
    // Out-of-range numbers are refused rather than clamped or wrapped: either would turn a
    // damaged record into some other record that might even pass the check.
    return loaded.inRange && checkValue(record) == record.checkValue;
}

QString saveFailedMessage(const QString& filePath)
{
    return QStringLiteral("記録を保存できませんでした。\n") + QDir::toNativeSeparators(filePath);
}

QString unreadableRecordMessage(const QString& filePath)
{
    return QStringLiteral("記録のファイルを読むことができません。\n") +
           QDir::toNativeSeparators(filePath) +
           QStringLiteral("\n既定の記録で遊べますが、記録は保存されません。");
}

} // namespace gp
