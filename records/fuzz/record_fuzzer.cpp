// Any bytes as a key's text and as a whole YRM.ini: reading must not crash, and whatever record
// is read must survive a save and a load and still pass the check after it.

#include "records/check_value.h"
#include "records/record_name.h"
#include "records/record_number.h"
#include "records/record_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace gp;

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

void require(bool condition)
{
    if (!condition)
        std::abort();
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
    const QString output = dir.filePath(QString::number(++serial) + QStringLiteral(".ini"));
    {
        QFile file(input);
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    GameState state;
    const LoadedRecord loaded = RecordStore(input).load(state);
    recordAccepted(state, loaded);

    if (loaded.inRange) {
        state.recordCheckValue = checkValue(state);
        const RecordStore copy(output);
        require(copy.save(state));
        GameState again;
        const LoadedRecord reloaded = copy.load(again);
        require(again.recordHolder == removeLeadingBlanks(state.recordHolder));
        require(again.recordScore == state.recordScore);
        require(recordAccepted(again, reloaded));
    }
    QFile::remove(input);
    QFile::remove(output);
    return 0;
}
