// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/record_store.h"

#include "base/user_folder.h"
#include "records/check_value.h"
#include "records/ini_record_file.h"
#include "records/record_file.h"
#include "records/record_name.h"
#include "records/record_number.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace gp {

namespace {

struct RecordMessages
{
    Q_DECLARE_TR_FUNCTIONS(RecordMessages)
};

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

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

RecordStore::RecordStore() : RecordStore(defaultFilePath()) {}

RecordStore::RecordStore(const QString& filePath) : m_filePath(filePath) {}

QString RecordStore::defaultFilePath()
{
    // Where QSettings keeps organisation "YRM"; asking QSettings itself would have it read the
    // file.
    return userFolder("XDG_CONFIG_HOME", ".config") + QStringLiteral("/YRM.ini");
}

LoadedRecord RecordStore::load(Record& record) const
{
    const RecordFileBytes file = readRecordFile(m_filePath);
    LoadedRecord loaded = recordFromTexts(readIniRecord(file.bytes), record);
    loaded.fileReadable = file.state != RecordFileState::Unreadable;
    return loaded;
}

bool RecordStore::save(const Record& record, QString* failure) const
{
    const auto fail = [failure](const QString& why) {
        if (failure)
            *failure = why;
        return false;
    };
    if (m_filePath.isEmpty())
        return fail({});
    // The check value is computed over the name in memory; when the stored name loses leading
    // blanks, a value over the other name would get the record refused at the next start.
    const QString name = removeLeadingBlanks(record.holder);
    const std::int16_t checkFlag =
        name == record.holder ? record.checkValue : checkValue(name, record.score);
    const IniRecordTexts texts{name, QString::number(record.score), QString::number(checkFlag)};

    // A first save on a fresh account finds no ~/.config yet.
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(RecordMessages::tr("フォルダ「%1」を作れません。").arg(native(folder)));
    const QString target = recordTargetPath(m_filePath);
    const QString lockPath = recordLockPath(target);
    // QLockFile reads another owner's lock file whole, by name: a FIFO there would hold the save
    // up for good, a device would feed it without end. It takes a second lock beside the first
    // to clear a stale one.
    for (const QString& place : {lockPath, lockPath + QStringLiteral(".rmlock")}) {
        const PathKind kind = pathKind(place);
        if (kind == PathKind::Folder)
            return fail(RecordMessages::tr("ロックファイル「%1」がフォルダになっています。")
                            .arg(native(place)));
        if (kind == PathKind::Other)
            return fail(RecordMessages::tr("ロックファイル「%1」が普通のファイルではありません。")
                            .arg(native(place)));
    }
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockTimeoutMs))
        return fail(
            lock.error() == QLockFile::LockFailedError
                ? RecordMessages::tr("ほかに起動している GAL PORTRAIT が記録を保存しています。")
                : RecordMessages::tr("ロックファイル「%1」を作れません。").arg(native(lockPath)));
    // Read under the lock: another instance may have saved a better record since this one
    // started, or while it waited.
    const RecordFileBytes old = readRecordFile(target);
    if (old.state == RecordFileState::Unreadable)
        return fail(RecordMessages::tr("記録のファイルを読むことができません。"));
    Record stored;
    const LoadedRecord storedRecord = recordFromTexts(readIniRecord(old.bytes), stored);
    if (old.state == RecordFileState::Read && recordAccepted(stored, storedRecord) &&
        stored.score > record.score)
        return true;

    const QByteArray bytes = writeIniRecord(old.bytes, texts);
    // The edit must read back as the record, or an oddity of the old file swallowed it.
    const IniRecordTexts written = readIniRecord(bytes);
    if (written.name != texts.name || written.score != texts.score || written.check != texts.check)
        return fail(RecordMessages::tr("記録のファイルの書き方のため、記録を書き込めません。"));
    // The next start would refuse the file, and the record with it.
    if (bytes.size() > kMaxRecordFileSize)
        return fail(
            RecordMessages::tr("保存すると、記録のファイルが大きさの上限 (4 MiB) を超えます。"));
    QString error;
    if (bytes != old.bytes && !replaceRecordFile(target, bytes, &error))
        return fail(error);
    return true;
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

QString saveFailedMessage(const QString& filePath, const QString& failure)
{
    const QString message = RecordMessages::tr("記録を保存できませんでした。") + QLatin1Char('\n') +
                            QDir::toNativeSeparators(filePath);
    return failure.isEmpty() ? message : message + u'\n' + failure;
}

QString unreadableRecordMessage(const QString& filePath)
{
    const QString unreadable = RecordMessages::tr("記録のファイルを読むことができません。");
    const QString advice = RecordMessages::tr("既定の記録で遊べますが、記録は保存されません。");
    return unreadable + QLatin1Char('\n') + QDir::toNativeSeparators(filePath) + QLatin1Char('\n') +
           advice;
}

} // namespace gp
