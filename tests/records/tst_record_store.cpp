// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/check_value.h"
#include "records/record_number.h"
#include "records/record_store.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace gp;

class TestRecordStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void readsTheLeadingNumberRoundedHalfToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("inRange");
        const QString nines(400, u'9');
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
        QTest::newRow("huge") << u'-' + nines << 0 << false;
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

    void savedRecordLoadsBackAndPassesItsCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("stored");
        QTest::newRow("ascii") << "abc" << 600 << "abc";
        QTest::newRow("mixed scripts") << "山田 Ελένη" << 750 << "山田 Ελένη";
        QTest::newRow("beyond BMP") << "𠮷野家" << 32767 << "𠮷野家";
        QTest::newRow("lowest score") << "@a" << -32768 << "@a";
        QTest::newRow("leading blank") << " ab " << 600 << "ab ";
        QTest::newRow("ideographic blank") << "　名" << 1 << "名";
        QTest::newRow("empty") << "" << 900 << "";
    }

    void savedRecordLoadsBackAndPassesItsCheck()
    {
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QString, stored);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".ini");
        Record state;
        state.holder = name;
        state.score = std::int16_t(score);
        state.checkValue = checkValue(state);
        QVERIFY(RecordStore(path).save(state));

        Record loaded;
        const LoadedRecord record = RecordStore(path).load(loaded);
        QCOMPARE(loaded.holder, stored);
        QCOMPARE(loaded.score, score);
        // Losing the leading blanks must not cost the record its check.
        QVERIFY(recordAccepted(loaded, record));
    }

    void startUpAcceptsOnlyRecordsThatPassTheirCheck_data()
    {
        // Keys under "[GAL PORTRAIT]", one per '|'.
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no file") << QByteArray() << "Todo" << 600 << true;
        QTest::newRow("default, any check")
            << QByteArray("H_Score=600|CheckFlag=12345") << "Todo" << 600 << true;
        QTest::newRow("default, check out of range")
            << QByteArray("CheckFlag=99999") << "Todo" << 600 << true;
        QTest::newRow("lower case is checked")
            << QByteArray("H_Name=todo|CheckFlag=5") << "todo" << 600 << false;
        QTest::newRow("lower case matching") << QByteArray("H_Name=todo") << "todo" << 600 << true;
        QTest::newRow("matching") << QByteArray("H_Name=abc|CheckFlag=32") << "abc" << 600 << true;
        QTest::newRow("hand-edited check")
            << QByteArray("H_Name=abc|CheckFlag=33") << "abc" << 600 << false;
        QTest::newRow("hand-edited score")
            << QByteArray("H_Name=abc|H_Score=632|CheckFlag=32") << "abc" << 632 << false;
        // Wrapped, 66136 would be 600 and match; read as 0, 99999 would match 96.
        QTest::newRow("wraps to a match")
            << QByteArray("H_Name=abc|H_Score=66136|CheckFlag=32") << "abc" << 0 << false;
        QTest::newRow("out of range as 0")
            << QByteArray("H_Name=abc|H_Score=99999|CheckFlag=96") << "abc" << 0 << false;
        QTest::newRow("score not a number") << QByteArray("H_Score=abc") << "Todo" << 0 << false;
        QTest::newRow("garbage around")
            << QByteArray("\x01\xff[GAL PORTRAIT|=|[GAL%20PORTRAIT]|H_Name=abc|") + '\0' +
                   QByteArray("\x80zz|H_Score=600|CheckFlag=32|[x]|y=@Variant(\\x01)")
            << "abc" << 600 << true;
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
        QVERIFY(!RecordStore(m_dir.path()).save(Record()));
        // A folder that is merely missing, like ~/.config on a fresh account, is made.
        const QString fresh = m_dir.filePath("home/.config/YRM.ini");
        QVERIFY(RecordStore(fresh).save(Record()));
        QVERIFY(QFile::exists(fresh));
    }
};

QTEST_GUILESS_MAIN(TestRecordStore)
#include "tst_record_store.moc"
