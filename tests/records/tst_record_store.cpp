// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/check_value.h"
#include "records/ini_record_file.h"
#include "records/record_file.h"
#include "records/record_number.h"
#include "records/record_store.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace gp;
using namespace Qt::StringLiterals;

namespace {

// A value QSettings would decode as 50,000 lists, one inside the other: about 0.9 MB on one line.
QByteArray deeplyNestedVariant()
{
    QByteArray value = "@Variant(";
    for (int level = 0; level < 50000; ++level)
        value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return value + "\\0\\0\\0\\x2\\0\\0\\0\\x1)";
}

} // namespace

class TestRecordStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;
    QString freshPath() { return m_dir.filePath(QStringLiteral("%1.ini").arg(++m_serial)); }

private slots:
    void readsTheLeadingNumberRoundedHalfToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("inRange");
        QTest::newRow("leading blanks") << " \t750" << 750 << true;
        QTest::newRow("half down to even") << "12.5" << 12 << true;
        QTest::newRow("half up to even") << "13.5" << 14 << true;
        QTest::newRow("letters") << "abc" << 0 << true;
        QTest::newRow("empty") << "" << 0 << true;
        QTest::newRow("signs") << "+7" << 7 << true;
        QTest::newRow("no exponent") << "-12.5e3" << -12 << true;
        QTest::newRow("point first") << "-.5" << 0 << true;
        QTest::newRow("sign alone") << "- 5" << 0 << true;
        QTest::newRow("full-width digits") << "１２" << 0 << true;
        QTest::newRow("smallest") << "-32768.5" << -32768 << true;
        QTest::newRow("over by rounding") << "32767.5" << 0 << false;
        QTest::newRow("huge") << u'-' + QString(400, u'9') << 0 << false;
        QTest::newRow("tiny") << "0." + QString(400, u'0') + u'1' << 0 << true;
    }

    void readsTheLeadingNumberRoundedHalfToEven()
    {
        QFETCH(QString, text);
        const RecordNumber number = readRecordNumber(text);
        QTEST(int(number.value), "value");
        QTEST(number.inRange, "inRange");
    }

    void checkValueXorsCp932CodesMaskedByNotScore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("check");
        QTest::newRow("abc") << "abc" << 600 << 32;
        QTest::newRow("default") << "Todo" << 600 << 32;
        QTest::newRow("all masked") << "abc" << -1 << 0;
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("double byte") << "漢" << 0 << int(std::int16_t(0x8ABF));
        QTest::newRow("equal pair cancels") << "漢漢" << 0 << 0;
        QTest::newRow("katakana and half-width") << "アｱ" << 0 << int(std::int16_t(0x8341 ^ 0xB1));
        QTest::newRow("wave dash") << "～" << 0 << int(std::int16_t(0x8160));
        QTest::newRow("not in cp932") << "é" << 0 << 0x3F;
        QTest::newRow("beyond BMP is one") << "a𠮷" << 0 << (0x61 ^ 0x3F);
        QTest::newRow("stray surrogate") << QString(QChar(0xD800)) << 0 << 0x3F;
    }

    void checkValueXorsCp932CodesMaskedByNotScore()
    {
        QFETCH(QString, name);
        QFETCH(int, score);
        QTEST(int(checkValue(name, std::int16_t(score))), "check");
    }

    // Qt spells a name that is not UTF-8 with replacement characters, and takes a relative
    // XDG_CONFIG_HOME as it is: the record would not be found, and a new folder would be made
    // beside the real one, or under whatever folder the game was started from.
    void recordIsFoundUnderTheRealHome_data()
    {
        QTest::addColumn<QByteArray>("home");   // under the test's folder
        QTest::addColumn<QByteArray>("config"); // XDG_CONFIG_HOME
        QTest::addColumn<QByteArray>("folder"); // where the record lies, under the test's folder
        QTest::newRow("home not in UTF-8")
            << QByteArray("/\xff") << QByteArray() << QByteArray("/\xff/.config");
        QTest::newRow("XDG_CONFIG_HOME")
            << QByteArray("/home") << QByteArray("/xdg") << QByteArray("/xdg");
        QTest::newRow("XDG_CONFIG_HOME not in UTF-8")
            << QByteArray("/home") << QByteArray("/x\xfe") << QByteArray("/x\xfe");
        // The base-directory rules ignore a relative path.
        QTest::newRow("relative XDG_CONFIG_HOME")
            << QByteArray("/home") << QByteArray("xdg") << QByteArray("/home/.config");
    }
    void recordIsFoundUnderTheRealHome()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, folder);
        QTemporaryDir dir;
        const QByteArray top = QFile::encodeName(dir.path());
        QVERIFY(::mkdir(top + home, 0700) == 0 && ::mkdir(top + folder, 0700) == 0);
        const QByteArray file = top + folder + "/YRM.ini";
        FILE* out = std::fopen(file, "w");
        QVERIFY(out && std::fputs("[GAL%20PORTRAIT]\nH_Name=abc\nCheckFlag=32\n", out) >= 0);
        std::fclose(out);

        // No other test here looks at the environment or the current folder.
        qputenv("HOME", top + home);
        if (config.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", config.startsWith('/') ? top + config : config);
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        RecordStore store;
        Record stored;
        const bool found = store.load(stored).fileReadable && stored.holder == "abc";
        const bool saved = store.save(checkedRecord("new", 900)) &&
                           store.load(stored).fileReadable && stored.holder == "new";
        QVERIFY(QDir::setCurrent(started));
        QVERIFY(found && saved);
        // Nothing else was made. Qt cannot name these to remove them.
        QVERIFY(::unlink(file) == 0 && ::rmdir(top + folder) == 0 && ::rmdir(top + home) == 0);
        QVERIFY(
            QDir(dir.path())
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    }

    void startUpAcceptsOnlyRecordsThatPassTheirCheck_data()
    {
        QTest::addColumn<QByteArray>("keys"); // under "[GAL PORTRAIT]", one per '|'
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char* tag, const QByteArray& keys, const char* name, int score,
                            bool accepted) {
            QTest::newRow(tag) << keys << QString(name) << score << accepted;
        };
        row("no file", "", "Todo", 600, true);
        row("default, any check", "H_Score=600|CheckFlag=12345", "Todo", 600, true);
        row("default, check out of range", "CheckFlag=99999", "Todo", 600, true);
        row("lower case is checked", "H_Name=todo|CheckFlag=5", "todo", 600, false);
        row("lower case matching", "H_Name=todo", "todo", 600, true);
        row("matching", "H_Name=abc|CheckFlag=32", "abc", 600, true);
        row("hand-edited check", "H_Name=abc|CheckFlag=33", "abc", 600, false);
        row("hand-edited score", "H_Name=abc|H_Score=632|CheckFlag=32", "abc", 632, false);
        // Wrapped, 66136 would be 600 and match; read as 0, 99999 would match 96.
        row("wraps to a match", "H_Name=abc|H_Score=66136|CheckFlag=32", "abc", 0, false);
        row("out of range as 0", "H_Name=abc|H_Score=99999|CheckFlag=96", "abc", 0, false);
        // Wrapped or read as 0, 65536 would match the 0 that a score of -1 leaves.
        row("check out of range", "H_Name=abc|H_Score=-1|CheckFlag=65536", "abc", -1, false);
        row("score not a number", "H_Score=abc", "Todo", 0, false);
        row("garbage around",
            QByteArray("\x01\xff[GAL PORTRAIT|=|[GAL%20PORTRAIT]|H_Name=abc|") + '\0' +
                "\x80zz|H_Score=600|CheckFlag=32|[x]|y=@Variant(\\x01)",
            "abc", 600, true);
    }

    void startUpAcceptsOnlyRecordsThatPassTheirCheck()
    {
        QFETCH(QByteArray, keys);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".ini");
        QVERIFY(keys.isEmpty() ||
                writeBytes(path, "[GAL PORTRAIT]\n" + keys.replace('|', '\n') + '\n'));
        Record state;
        const LoadedRecord record = RecordStore(path).load(state);
        QTEST(state.holder, "name");
        QTEST(int(state.score), "score");
        QTEST(recordAccepted(state, record), "accepted");
        QCOMPARE(QFile::exists(path), !keys.isEmpty());
    }

    void saveMakesAMissingFolderButNeverThroughAFile()
    {
        // A regular file where the folder should be stops root as well as anyone.
        const QString blocker = m_dir.filePath("blocker");
        QVERIFY(writeBytes(blocker, {}));
        QVERIFY(!RecordStore(blocker + "/YRM.ini").save(Record()));
        Record beyondAFile; // a record never made: the defaults, and no word of an unreadable file
        QVERIFY(RecordStore(blocker + "/YRM.ini").load(beyondAFile).fileReadable);
        // A folder that is merely missing, like ~/.config on a fresh account, is made.
        const QString fresh = m_dir.filePath("home/.config/YRM.ini");
        QVERIFY(RecordStore(fresh).save(Record()));
        QVERIFY(QFile::exists(fresh));
    }

    void readsKeysAsQSettingsDoes_data()
    {
        QTest::addColumn<QByteArray>("file");
        const auto row = [](const char* tag, const char* file) {
            QTest::newRow(tag) << QByteArray(file);
        };
        row("quotes and escapes",
            "[GAL%20PORTRAIT]\nH_Name=\" a;b=c\\\"d\\\\e\" \nH_Score= 12.5 \t\nCheckFlag=-5\n");
        row("hex, octal, continuation",
            "[GAL%20PORTRAIT]\nH_Name=\\x41\\101\\\n  b\\q\\x\nH_Score=7\\t \n");
        row("list", "[GAL%20PORTRAIT]\nH_Name=a , \"b,c\" ,d\n");
        row("comments, CRLF",
            "; c\r\n[GAL PORTRAIT]\r\nH_Name=x ;tail\r\n#H_Score=1\r\nH_Score=2\r\n");
        row("last wins, sections merge",
            "[GAL%20PORTRAIT]\nH_Name=a\n[b]\nH_Name=x\n[GAL%20PORTRAIT]\nH_Name=c\n");
        row("section beats general",
            "[GAL%20PORTRAIT]\nH_Name=a\n[General]\nGAL%20PORTRAIT/H_Name=b\n");
        row("key escapes, BOM",
            "\xef\xbb\xbf[%47AL%U0020PORTRAIT]\n H_%4eame = n\nGAL\\H_Score=3\n");
        row("split UTF-8, quoted line break",
            "[GAL%20PORTRAIT]\nH_Name=\xe3\x81\\t\x82\nH_Score=\"1\n2\"\n");
        row("unclosed quote", "[GAL%20PORTRAIT]\nH_Name=\"abc\nH_Score=5\n");
        row("case matters", "[gal%20portrait]\nH_Name=a\n[GAL%20PORTRAIT]\nh_name=b\n");
        row("escapes ending a key or a section",
            "[GAL%20PORTRAI%54]\nH_Nam%65=a\nH_Scor%U0065=7\nCheckFla%67=3\n");
        row("escapes cut short at the end",
            "[GAL%20PORTRAIT]\nH_Name=a\nH_Name%=b\nH_Name%6=c\nH_Name%U006=d\n"
            "[GAL%20PORTRAIT%]\nH_Name=e\n[GAL%20PORTRAIT%2]\nH_Name=f\n");
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

    void savedRecordIsWrittenAsQSettingsDoesAndLoadsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("stored"); // empty: as saved
        const auto row = [](const char* tag, const QString& name, int score,
                            const QString& stored = {}) {
            QTest::newRow(tag) << name << score << stored;
        };
        row("ascii", "abc", 600);
        row("mixed scripts", "山田 Ελένη", 750);
        row("beyond BMP", "𠮷野家　", 32767);
        row("lowest score", "@a", -32768);
        row("empty", "", 900);
        row("specials", "a,b;c=\"", -5);
        // Each alone makes QSettings quote the value.
        row("semicolon", "a;b", 1);
        row("comma", "a,b", 1);
        row("equals sign", "a=b", 1);
        row("tab and backslash", "tab\there\\", 1);
        row("controls", "\001z\0029", 1);
        row("INI escapes of 0x1E and 0x1F", "\x1e\x1f", 1);
        row("NUL", u"nul\0\x37"_s, 1);
        // Losing the leading blanks must not cost the record its check.
        row("leading blank", " ab ", 600, "ab ");
        row("ideographic blank", "　名", 1, "名");
        row("tab and no-break space are no blanks", "\t\u00a0x\t", 1);
    }

    void savedRecordIsWrittenAsQSettingsDoesAndLoadsBack()
    {
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QString, stored);
        // A new file and each value in it look as QSettings writes them, byte for byte.
        const QString path = freshPath();
        {
            QSettings settings(path, QSettings::IniFormat);
            settings.beginGroup(QStringLiteral("GAL PORTRAIT"));
            settings.setValue(QStringLiteral("H_Name"), name);
            settings.setValue(QStringLiteral("H_Score"), QString::number(score));
            settings.setValue(QStringLiteral("CheckFlag"), QStringLiteral("32"));
        }
        QCOMPARE(writeIniRecord({}, {name, QString::number(score), QStringLiteral("32")}),
                 readBytes(path));

        QVERIFY(RecordStore(path).save(checkedRecord(name, score)));
        Record loaded;
        const LoadedRecord record = RecordStore(path).load(loaded);
        QCOMPARE(loaded.holder, stored.isEmpty() ? name : stored);
        QCOMPARE(loaded.score, score);
        QVERIFY(recordAccepted(loaded, record));
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
        QVERIFY(store.save(checkedRecord("abc", 700)));
        QCOMPARE(readBytes(path), other + "\n[GAL%20PORTRAIT]\nCheckFlag=" +
                                      QByteArray::number(checkValue(u"abc", 700)) +
                                      "\nH_Name=abc\nH_Score=700\n");
    }

    void saveChangesOnlyTheRecordsLines()
    {
        const QByteArray before =
            "; my settings\r\n[other]\r\nH_Name=keep\r\n\r\n[GAL%20PORTRAIT]\r\n"
            "H_Score = 600 ; hand-made\r\nH_Name=\"old\r\n name\"\r\n"
            "[GAL PORTRAIT]\r\nH_Name=old again\r\n[z]\r\nk=v";
        const QString path = freshPath();
        QVERIFY(writeBytes(path, before));
        QVERIFY(RecordStore(path).save(checkedRecord("新記録", 901)));
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

        QVERIFY(RecordStore(link).save(checkedRecord("b", 800)));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QVERIFY(readBytes(target).startsWith("# managed\n[GAL%20PORTRAIT]\nCheckFlag="));
        QVERIFY(readBytes(target).endsWith("\nH_Score=800\nH_Name=b\n"));
        QCOMPARE(QFile::permissions(target), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadUser | QFile::WriteUser |
                                                 QFile::ReadGroup);

        // The lock lies beside the file written: through the link or not, it is one file.
        QLockFile held(recordLockPath(target));
        QVERIFY(held.lock());
        QVERIFY(!RecordStore(link).save(checkedRecord("c", 900)));
    }

    // The next start must never refuse what a save wrote: a file at the limit loads, and a save
    // that would take it past stays unwritten.
    void fileAtTheSizeLimitLoadsAndNeverGrowsPast()
    {
        const QString path = freshPath();
        QByteArray file = "[GAL%20PORTRAIT]\nH_Name=abc\nH_Score=600\nCheckFlag=32\n[x]\n;";
        file += QByteArray(kMaxRecordFileSize - file.size(), 'x');
        QVERIFY(writeBytes(path, file));
        Record state;
        RecordStore store(path);
        QVERIFY(store.load(state).fileReadable);
        QCOMPARE(state.holder, "abc");
        QString failure;
        QVERIFY(!store.save(checkedRecord("abcdef", 900), &failure) && !failure.isEmpty());
        QCOMPARE(readBytes(path), file);
    }

    void failedSaveKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<uint>("folderMode");
        QTest::addColumn<uint>("fileMode");
        QTest::addColumn<bool>("readable");
        // Writable but not readable: only the store's own refusal keeps it.
        QTest::newRow("file not readable") << 0777u << 0222u << false;
        // In a sticky folder only the owner may replace a file: the save fails at the rename.
        QTest::newRow("rename refused") << 01777u << 0666u << true;
    }

    void failedSaveKeepsTheOldFileAndSaysWhy()
    {
        // Root reads and replaces everything: the store is tried in a child without root's rights.
        QFETCH(uint, folderMode);
        QFETCH(uint, fileMode);
        QTemporaryDir dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), folderMode) == 0);
        const QString path = dir.filePath(QStringLiteral("YRM.ini"));
        const QByteArray old =
            "[GAL%20PORTRAIT]\nH_Name=abc\nH_Score=600\nCheckFlag=32\n[x]\ny=1\n";
        QVERIFY(writeBytes(path, old));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), fileMode) == 0);
        if (QTest::currentDataTag() == QByteArray("rename refused") && ::geteuid() != 0)
            QSKIP("only root can save as another user");

        const pid_t child = ::fork();
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(10);
            Record state;
            RecordStore store(path);
            const bool readable = store.load(state).fileReadable;
            QString failure;
            const bool saved = store.save(checkedRecord(QString(200, u'x'), 900), &failure);
            ::_exit(saved ? 11 : failure.isEmpty() ? 12 : readable ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "killed by a signal");
        QTEST(WEXITSTATUS(status) == 1, "readable");
        QVERIFY(WEXITSTATUS(status) <= 1);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"YRM.ini"});
    }

    void betterStoredRecordSurvivesAnotherInstancesSave()
    {
        const QString path = freshPath();
        RecordStore first(path);
        RecordStore second(path);
        QVERIFY(second.save(checkedRecord("second", 800)));
        // The first quits later with an older, lower record: the better one stays.
        QVERIFY(first.save(checkedRecord("first", 700)));
        QCOMPARE(loadRecord(path).holder, "second");
        // A tie goes to the later one; so does anything over a stored record that fails its check.
        QVERIFY(first.save(checkedRecord("first", 800)));
        QCOMPARE(loadRecord(path).holder, "first");
        QVERIFY(writeBytes(path, "[GAL%20PORTRAIT]\nH_Name=forged\nH_Score=30000\nCheckFlag=" +
                                     QByteArray::number(checkValue(u"forged", 30000) + 1)));
        QVERIFY(second.save(checkedRecord("second", 800)));
        QCOMPARE(loadRecord(path).holder, "second");

        // While the other instance holds the lock, nothing is written, and the player is told so.
        QLockFile other(recordLockPath(path));
        QVERIFY(other.lock());
        const QByteArray before = readBytes(path);
        QString failure;
        QVERIFY(!first.save(checkedRecord("first", 1000), &failure));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(failure,
                 QStringLiteral("ほかに起動している GAL PORTRAIT が記録を保存しています。"));

        // What the other saved while this one waited for the lock is read, and a better one kept.
        std::thread saving([&] {
            QThread::msleep(300);
            writeBytes(path, writeIniRecord({}, {QStringLiteral("better"), QStringLiteral("950"),
                                                 QString::number(checkValue(u"better", 950))}));
            other.unlock();
        });
        const bool saved = first.save(checkedRecord("first", 900));
        saving.join();
        QVERIFY(saved);
        QCOMPARE(loadRecord(path).holder, "better");
    }
};

QTEST_GUILESS_MAIN(TestRecordStore)
#include "tst_record_store.moc"
