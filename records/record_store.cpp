#include "records/record_store.h"

#include "records/check_value.h"
#include "records/record_name.h"
#include "records/record_number.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <cstdio>

namespace gp {

namespace {

const QString Section = QStringLiteral("GAL PORTRAIT");
const QString NameKey = QStringLiteral("H_Name");
const QString ScoreKey = QStringLiteral("H_Score");
const QString CheckKey = QStringLiteral("CheckFlag");

// A hand-edited value can parse as a list ("a, b") or a typed "@" value; take what text there is.
QString textOf(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QString keyText(const QSettings& settings, const QString& key, const QString& fallback)
{
    return settings.contains(key) ? textOf(settings.value(key)) : fallback;
}

// Reads the staged file as bytes, past any cache: the record's section must hold the two numbers
// as written and the name, and the file must end with a whole line (the end is what a failed
// write loses).
bool stagedRecordComplete(const QString& path, const QString& score, const QString& check)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith('\n'))
        return false;
    bool inSection = false;
    bool hasName = false;
    bool hasScore = false;
    bool hasCheck = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inSection = line == "[GAL%20PORTRAIT]";
            continue;
        }
        if (!inSection)
            continue;
        hasName = hasName || line.startsWith("H_Name=");
        hasScore = hasScore || line == "H_Score=" + score.toLatin1();
        hasCheck = hasCheck || line == "CheckFlag=" + check.toLatin1();
    }
    return hasName && hasScore && hasCheck;
}

} // namespace

RecordStore::RecordStore() : RecordStore(defaultFilePath()) {}

RecordStore::RecordStore(const QString& filePath) : m_filePath(filePath) {}

QString RecordStore::defaultFilePath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("YRM")).fileName();
}

LoadedRecord RecordStore::load(GameState& state) const
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.beginGroup(Section);
    state.recordHolder = keyText(settings, NameKey, QStringLiteral("Todo"));
    const RecordNumber score = readRecordNumber(keyText(settings, ScoreKey, QStringLiteral("600")));
    const RecordNumber check = readRecordNumber(keyText(settings, CheckKey, QString()));
    state.recordScore = score.value;
    state.recordCheckValue = check.value;
    return {score.inRange && check.inRange};
}

bool RecordStore::save(const GameState& state) const
{
    if (m_filePath.isEmpty())
        return false;
    // The check value is computed over the name in memory; when the stored name loses leading
    // blanks, a value over the other name would get the record refused at the next start.
    const QString name = removeLeadingBlanks(state.recordHolder);
    const std::int16_t check =
        name == state.recordHolder ? state.recordCheckValue : checkValue(name, state.recordScore);
    const QString texts[] = {name, QString::number(state.recordScore), QString::number(check)};

    // A first save on a fresh account finds no ~/.config yet: QSettings made the folder itself,
    // the staging file does not.
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    // QSettings' own temporary file can be renamed over the record even when its last write
    // failed (a full disk), and its cache then reads back what it meant to write. So the record
    // is written to a file of its own beside the old one, checked on disk, and only then renamed
    // over it: the old record stays until a complete new one replaces it.
    QTemporaryFile staging(m_filePath + QStringLiteral(".XXXXXX"));
    staging.setAutoRemove(true);
    if (!staging.open())
        return false;
    QFile old(m_filePath);
    if (old.open(QIODevice::ReadOnly)) {
        // Other programs' sections of the same file are kept.
        const QByteArray before = old.readAll();
        if (staging.write(before) != before.size() || !staging.flush())
            return false;
    }
    staging.close();
    {
        QSettings settings(staging.fileName(), QSettings::IniFormat);
        settings.setAtomicSyncRequired(true);
        settings.beginGroup(Section);
        settings.setValue(NameKey, texts[0]);
        settings.setValue(ScoreKey, texts[1]);
        settings.setValue(CheckKey, texts[2]);
        settings.endGroup();
        settings.sync();
        // A FormatError only says unreadable lines of the old file were dropped.
        if (settings.status() == QSettings::AccessError)
            return false;
    }
    if (!stagedRecordComplete(staging.fileName(), texts[1], texts[2]))
        return false;
    if (std::rename(QFile::encodeName(staging.fileName()).constData(),
                    QFile::encodeName(m_filePath).constData()) != 0)
        return false;
    staging.setAutoRemove(false);
    return true;
}

bool isDefaultRecord(const GameState& state)
{
    return state.recordHolder == QStringLiteral("Todo") && state.recordScore == 600;
}

bool recordAccepted(const GameState& state, const LoadedRecord& loaded)
{
    // Any stored check value goes with the default record; an out-of-range score was read as 0,
    // so it never passes for the default.
    if (isDefaultRecord(state))
        return true;
    // Out-of-range numbers are refused rather than clamped or wrapped: either would turn a
    // damaged record into some other record that might even pass the check.
    return loaded.inRange && checkValue(state) == state.recordCheckValue;
}

QString saveFailedMessage(const QString& filePath)
{
    return QStringLiteral("記録を保存できませんでした。\n") + QDir::toNativeSeparators(filePath);
}

} // namespace gp
