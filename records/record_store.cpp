#include "records/record_store.h"

#include "records/check_value.h"
#include "records/record_name.h"
#include "records/record_number.h"

#include <QDir>
#include <QSettings>
#include <QStringList>

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

} // namespace

RecordStore::RecordStore() : RecordStore(defaultFilePath()) {}

RecordStore::RecordStore(const QString& filePath) : m_filePath(filePath) {}

QString RecordStore::defaultFilePath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("YRM")).fileName();
}

LoadedRecord RecordStore::LoadRecord(GameState& state) const
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.beginGroup(Section);
    state.HighName = keyText(settings, NameKey, QStringLiteral("Todo"));
    const RecordNumber score = readRecordNumber(keyText(settings, ScoreKey, QStringLiteral("600")));
    const RecordNumber check = readRecordNumber(keyText(settings, CheckKey, QString()));
    state.HighScore = score.value;
    state.CheckFlag = check.value;
    return {score.inRange && check.inRange};
}

bool RecordStore::SaveRecord(const GameState& state) const
{
    if (m_filePath.isEmpty())
        return false;
    // The check value is computed over the name in memory; when the stored name loses leading
    // blanks, a value over the other name would get the record refused at the next start.
    const QString name = removeLeadingBlanks(state.HighName);
    const std::int16_t checkFlag =
        name == state.HighName ? state.CheckFlag : ComputeCheckValue(name, state.HighScore);
    const QString keys[] = {NameKey, ScoreKey, CheckKey};
    const QString texts[] = {name, QString::number(state.HighScore), QString::number(checkFlag)};
    {
        QSettings settings(m_filePath, QSettings::IniFormat);
        // Through a temporary file and a rename: an interrupted save leaves the old record.
        settings.setAtomicSyncRequired(true);
        settings.beginGroup(Section);
        for (int i = 0; i < 3; ++i)
            settings.setValue(keys[i], texts[i]);
        settings.endGroup();
        settings.sync();
        // A FormatError only says unreadable lines of the old file were dropped; the read-back
        // below tells whether the record is there.
        if (settings.status() == QSettings::AccessError)
            return false;
    }
    QSettings written(m_filePath, QSettings::IniFormat);
    written.beginGroup(Section);
    for (int i = 0; i < 3; ++i) {
        if (!written.contains(keys[i]) || textOf(written.value(keys[i])) != texts[i])
            return false;
    }
    return true;
}

bool isDefaultRecord(const GameState& state)
{
    return state.HighName == QStringLiteral("Todo") && state.HighScore == 600;
}

bool recordAccepted(const GameState& state, const LoadedRecord& loaded)
{
    // Any stored check value goes with the default record; an out-of-range score was read as 0,
    // so it never passes for the default.
    if (isDefaultRecord(state))
        return true;
    // Out-of-range numbers are refused rather than clamped or wrapped: either would turn a
    // damaged record into some other record that might even pass the check.
    return loaded.inRange && ComputeCheckValue(state) == state.CheckFlag;
}

QString saveFailedMessage(const QString& filePath)
{
    return QStringLiteral("記録を保存できませんでした。\n") + QDir::toNativeSeparators(filePath);
}

} // namespace gp
