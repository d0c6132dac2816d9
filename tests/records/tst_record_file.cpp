// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The record file itself: its INI dialect against QSettings, hostile contents, files that cannot be
// read, symlinks, and two instances saving into one file.

#include "records/check_value.h"
#include "records/ini_record_file.h"
#include "records/record_file.h"
#include "records/record_store.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace gp;

namespace {

Record record(const QString& name, int score)
{
    Record state;
    state.holder = name;
    state.score = std::int16_t(score);
    state.checkValue = checkValue(state);
    return state;
}

// A value QSettings would decode as 50,000 lists, one inside the other: about 0.9 MB on one line.
QByteArray deeplyNestedVariant()
{
    QByteArray value = "@Variant(";
    for (int level = 0; level < 50000; ++level)
        value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return value + "\\0\\0\\0\\x2\\0\\0\\0\\x1)";
}

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;
    QString freshPath() { return m_dir.filePath(QStringLiteral("%1.ini").arg(++m_serial)); }

private slots:
    void readsKeysAsQSettingsDoes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("quotes and escapes")
            << QByteArray("[GAL%20PORTRAIT]\nH_Name=\" a;b=c\\\"d\\\\e\" "
                          "\nH_Score= 12.5 \t\nCheckFlag=-5\n");
        QTest::newRow("hex, octal, continuation")
            << QByteArray("[GAL%20PORTRAIT]\nH_Name=\\x41\\101\\\n  b\\q\\x\nH_Score=7\\t \n");
        QTest::newRow("list") << QByteArray("[GAL%20PORTRAIT]\nH_Name=a , \"b,c\" ,d\n");
        QTest::newRow("comments and CRLF") << QByteArray(
            "; note\r\n[GAL PORTRAIT]\r\nH_Name=x ;tail\r\n#H_Score=1\r\nH_Score=2\r\n");
        QTest::newRow("last line wins, sections merge") << QByteArray(
            "[GAL%20PORTRAIT]\nH_Name=a\n[b]\nH_Name=x\n[GAL%20PORTRAIT]\nH_Name=c\n");
        QTest::newRow("section beats general")
            << QByteArray("[GAL%20PORTRAIT]\nH_Name=a\n[General]\nGAL%20PORTRAIT/H_Name=b\n");
        QTest::newRow("key escapes, BOM")
            << QByteArray("\xef\xbb\xbf[%47AL%U0020PORTRAIT]\n H_%4eame = n\nGAL\\H_Score=3\n");
        QTest::newRow("split UTF-8, quoted line break")
            << QByteArray("[GAL%20PORTRAIT]\nH_Name=\xe3\x81\\t\x82\nH_Score=\"1\n2\"\n");
        QTest::newRow("unclosed quote")
            << QByteArray("[GAL%20PORTRAIT]\nH_Name=\"abc\nH_Score=5\n");
        QTest::newRow("case matters") << QByteArray("[gal%20portrait]\nH_Name=a\n[GAL%20PORTRAIT]\n"
                                                    "h_name=b\n");
    }

    void readsKeysAsQSettingsDoes()
    {
        QFETCH(QByteArray, file);
        const QString path = freshPath();
        QVERIFY(writeBytes(path, file));
        const IniRecordTexts texts = readIniRecord(file);
        QSettings settings(path, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("GAL PORTRAIT"));
        const std::pair<const char*, std::optional<QString>> keys[] = {
            {"H_Name", texts.name}, {"H_Score", texts.score}, {"CheckFlag", texts.check}};
        for (const auto& [key, text] : keys) {
            const QVariant value = settings.value(QLatin1String(key));
            const QString expected = value.metaType().id() == QMetaType::QStringList
                                         ? value.toStringList().join(QStringLiteral(", "))
                                         : value.toString();
            QCOMPARE(text.has_value(), value.isValid());
            QCOMPARE(text.value_or(QString()), expected);
        }
    }

    void writesValuesAsQSettingsDoes()
    {
        // A new file and each value in it look as QSettings writes them, byte for byte.
        const QStringList names = {QStringLiteral("abc"),
                                   QStringLiteral("@at"),
                                   QStringLiteral(" a,b;c=\""),
                                   QStringLiteral("tab\there\\"),
                                   QStringLiteral("\x01z\x02") + u'9',
                                   QStringLiteral("nul") + QChar(0) + u'7',
                                   QStringLiteral("𠮷野家　")};
        for (const QString& name : names) {
            const QString path = freshPath();
            {
                QSettings settings(path, QSettings::IniFormat);
                settings.beginGroup(QStringLiteral("GAL PORTRAIT"));
                settings.setValue(QStringLiteral("H_Name"), name);
                settings.setValue(QStringLiteral("H_Score"), QStringLiteral("-5"));
                settings.setValue(QStringLiteral("CheckFlag"), QStringLiteral("32"));
            }
            const QByteArray written =
                writeIniRecord({}, {name, QStringLiteral("-5"), QStringLiteral("32")});
            QCOMPARE(written, readBytes(path));
            QCOMPARE(readIniRecord(written).name, name);
        }
    }

    void typedValuesStayText()
    {
        // In the record itself the game used to crash at start-up, in another section at the save.
        const QByteArray nested = deeplyNestedVariant();
        const QString path = freshPath();
        QVERIFY(
            writeBytes(path, "[GAL%20PORTRAIT]\nH_Name=" + nested + "\nH_Score=@ByteArray(7)\n"));
        Record state;
        RecordStore store(path);
        QVERIFY(store.load(state).fileReadable);
        QVERIFY(state.holder.startsWith(QString::fromLatin1("@Variant(\0\0\0\t", 13)));
        QCOMPARE(state.score, 0);

        const QByteArray other = "[other]\nx=" + nested + "\n";
        QVERIFY(writeBytes(path, other));
        QVERIFY(store.save(record(QStringLiteral("abc"), 700)));
        QCOMPARE(readBytes(path), other + "\n[GAL%20PORTRAIT]\nCheckFlag=" +
                                      QByteArray::number(checkValue(u"abc", 700)) +
                                      "\nH_Name=abc\nH_Score=700\n");
        QCOMPARE(QDir(m_dir.path())
                     .entryList({QStringLiteral("*.lock"), QStringLiteral("*.ini.*")},
                                QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void saveChangesOnlyTheRecordsLines()
    {
        const QByteArray before =
            "; my settings\r\n[other]\r\nH_Name=keep\r\n\r\n[GAL%20PORTRAIT]\r\n"
            "H_Score = 600 ; hand-made\r\nH_Name=\"old\r\n name\"\r\n"
            "[GAL PORTRAIT]\r\nH_Name=old again\r\n[z]\r\nk=v";
        const QString path = freshPath();
        QVERIFY(writeBytes(path, before));
        QVERIFY(RecordStore(path).save(record(QStringLiteral("新記録"), 901)));
        const QByteArray check = QByteArray::number(checkValue(u"新記録", 901));
        QCOMPARE(readBytes(path),
                 "; my settings\r\n[other]\r\nH_Name=keep\r\n\r\n[GAL%20PORTRAIT]\r\n"
                 "H_Score = 901 ; hand-made\r\nH_Name=新記録\r\n"
                 "[GAL PORTRAIT]\r\nCheckFlag=" +
                     check + "\r\nH_Name=新記録\r\n[z]\r\nk=v");
    }

    void saveGoesThroughASymlinkKeepingTheMode()
    {
        const QString target = m_dir.filePath(QStringLiteral("dotfiles/YRM.ini"));
        QVERIFY(QDir().mkpath(QFileInfo(target).path()));
        QVERIFY(writeBytes(target, "# managed\n[GAL%20PORTRAIT]\nH_Name=a\n"));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0640) == 0);
        const QString link = m_dir.filePath(QStringLiteral("link.ini"));
        QVERIFY(QFile::link(target, link));

        QVERIFY(RecordStore(link).save(record(QStringLiteral("b"), 800)));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QVERIFY(readBytes(target).startsWith("# managed\n[GAL%20PORTRAIT]\nCheckFlag="));
        QVERIFY(readBytes(target).endsWith("\nH_Score=800\nH_Name=b\n"));
        struct stat info
        {
        };
        QVERIFY(::stat(QFile::encodeName(target).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, 0640u);
    }

    void unreadableFileNeitherBlocksNorIsReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("device") << "device";
        QTest::newRow("folder") << "folder";
        QTest::newRow("too large") << "large";
    }

    void unreadableFileNeitherBlocksNorIsReplaced()
    {
        // None of these can be read, not even by root, and none may block the start.
        QFETCH(QString, kind);
        const QString path = freshPath();
        const QByteArray name = QFile::encodeName(path);
        if (kind == QLatin1String("fifo"))
            QVERIFY(::mkfifo(name.constData(), 0600) == 0);
        else if (kind == QLatin1String("device"))
            QVERIFY(::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0); // a zero device
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(writeBytes(path, "[GAL%20PORTRAIT]\n") &&
                    ::truncate(name.constData(), kMaxRecordFileSize + 1) == 0);
        struct stat before
        {
        };
        QVERIFY(::lstat(name.constData(), &before) == 0);

        QElapsedTimer clock;
        clock.start();
        Record state;
        RecordStore store(path);
        QVERIFY(!store.load(state).fileReadable);
        QCOMPARE(state.holder, QStringLiteral("Todo"));
        QVERIFY(!store.save(record(QStringLiteral("new"), 900)));
        QVERIFY(clock.elapsed() < 1000);
        struct stat after
        {
        };
        QVERIFY(::lstat(name.constData(), &after) == 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_size, before.st_size);
    }

    void unreadableForTheUser()
    {
        // Mode 000, or a file root left behind, for the user: root reads everything, so the store
        // is tried in a child that has dropped root's rights.
        QTemporaryDir dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0);
        const QString path = dir.filePath(QStringLiteral("YRM.ini"));
        const QByteArray old =
            "[GAL%20PORTRAIT]\nH_Name=abc\nH_Score=600\nCheckFlag=32\n[x]\ny=1\n";
        QVERIFY(writeBytes(path, old));
        // Writable but not readable: only the store's own refusal keeps it.
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0222) == 0);

        const pid_t child = ::fork();
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(10);
            Record state;
            RecordStore store(path);
            const bool readable = store.load(state).fileReadable;
            const bool saved = store.save(record(QStringLiteral("new"), 900));
            ::_exit(readable ? 11 : saved ? 12 : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
        QCOMPARE(readBytes(path), old);
    }

    void betterStoredRecordSurvivesAnotherInstancesSave()
    {
        const QString path = freshPath();
        RecordStore first(path);
        RecordStore second(path);
        QVERIFY(second.save(record(QStringLiteral("second"), 800)));
        // The first quits later with an older, lower record: the better one stays.
        QVERIFY(first.save(record(QStringLiteral("first"), 700)));
        Record stored;
        first.load(stored);
        QCOMPARE(stored.holder, QStringLiteral("second"));
        // A higher one replaces it; so does anything over a stored record that fails its check.
        QVERIFY(first.save(record(QStringLiteral("first"), 900)));
        first.load(stored);
        QCOMPARE(stored.holder, QStringLiteral("first"));
        Record forged = record(QStringLiteral("forged"), 30000);
        forged.checkValue = std::int16_t(forged.checkValue + 1);
        QVERIFY(writeBytes(path, "[GAL%20PORTRAIT]\nH_Name=forged\nH_Score=30000\nCheckFlag=" +
                                     QByteArray::number(forged.checkValue) + '\n'));
        QVERIFY(second.save(record(QStringLiteral("second"), 800)));
        second.load(stored);
        QCOMPARE(stored.holder, QStringLiteral("second"));

        // While the other instance holds the lock, nothing is written.
        QLockFile other(recordLockPath(path));
        QVERIFY(other.lock());
        const QByteArray before = readBytes(path);
        QVERIFY(!first.save(record(QStringLiteral("first"), 1000)));
        QCOMPARE(readBytes(path), before);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_record_file.moc"
