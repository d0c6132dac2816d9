// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a key's text and as a whole YRM.ini: reading must not crash or recurse, it must
// agree with QSettings on every file QSettings can read safely, and whatever record is read must
// survive a save and a load, leaving every other byte of the file as it was.

#include "records/check_value.h"
#include "records/ini_record_file.h"
#include "records/record_name.h"
#include "records/record_number.h"
#include "records/record_store.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace gp;

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The line of a failed requirement is what a crash report needs first.
void requireAt(bool condition, int line)
{
    if (!condition) {
        std::fprintf(stderr, "requirement failed at line %d\n", line);
        std::abort();
    }
}
#define require(condition) requireAt((condition), __LINE__)

// QSettings decodes "@" values, typed ones recursively; it is asked only about files without them,
// and only small ones, to keep the runs fast.
void compareWithQSettings(const QString& path, const QByteArray& bytes, const IniRecordTexts& texts)
{
    if (bytes.contains('@') || bytes.size() > 65536)
        return;
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("GAL PORTRAIT"));
    const auto expect = [&](const char* key, const std::optional<QString>& text) {
        const QString name = QString::fromLatin1(key);
        require(settings.contains(name) == text.has_value());
        if (!text)
            return;
        const QVariant value = settings.value(name);
        require((value.metaType().id() == QMetaType::QStringList
                     ? value.toStringList().join(QStringLiteral(", "))
                     : value.toString()) == *text);
    };
    expect("H_Name", texts.name);
    expect("H_Score", texts.score);
    expect("CheckFlag", texts.check);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto previous = qInstallMessageHandler(quiet);
    Q_UNUSED(previous);
    static QTemporaryDir dir;
    static quint64 serial = 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString text = QString::fromUtf8(bytes);
    const RecordNumber number = readRecordNumber(text);
    require(number.inRange || number.value == 0);
    checkValue(QString::fromLatin1(bytes), number.value);

    // A fresh name each time: QSettings caches a file by name, size and time stamp.
    const QString input = dir.filePath(QString::number(++serial) + QStringLiteral(".ini"));
    {
        QFile file(input);
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    compareWithQSettings(input, bytes, readIniRecord(bytes));
    Record record;
    const LoadedRecord loaded = RecordStore(input).load(record);
    require(loaded.fileReadable);
    recordAccepted(record, loaded);

    if (loaded.inRange) {
        // A higher score than any stored one, so the save never keeps the file's own record.
        record.holder = removeLeadingBlanks(record.holder);
        record.score = std::int16_t(32767);
        record.checkValue = checkValue(record);
        const QByteArray expected = writeIniRecord(
            bytes, {record.holder, QStringLiteral("32767"), QString::number(record.checkValue)});
        if (RecordStore(input).save(record)) {
            Record again;
            const LoadedRecord reloaded = RecordStore(input).load(again);
            require(again.holder == record.holder);
            require(again.score == record.score);
            require(recordAccepted(again, reloaded));
            QFile file(input);
            require(file.open(QIODevice::ReadOnly) && file.readAll() == expected);
        } else {
            // Refused only when the file's own oddities would swallow the edit; then untouched.
            const IniRecordTexts back = readIniRecord(expected);
            require(back.name != record.holder || back.score != QStringLiteral("32767") ||
                    back.check != QString::number(record.checkValue));
            QFile file(input);
            require(file.open(QIODevice::ReadOnly) && file.readAll() == bytes);
        }
    }
    QFile::remove(input);
    QFile::remove(input + QStringLiteral(".lock"));
    return 0;
}
