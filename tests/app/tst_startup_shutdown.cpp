// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"
#include "records/check_value.h"
#include "records/record_store.h"
#include "tests/support/gui_test_main.h"
#include "tests/support/test_files.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QFile>
#include <QTest>

using namespace gp;

class TestStartupShutdown : public QObject
{
    Q_OBJECT

private slots:
    void startUpRefusesATamperedRecord_data()
    {
        QTest::addColumn<QByteArray>("stored"); // empty: no file at all
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("score");
        QTest::addColumn<bool>("accepted");
        // Which files the store accepts is its own test's matter; here, what the window shows.
        QTest::newRow("empty store") << QByteArray() << "Todo" << QStringLiteral("600") << true;
        QTest::newRow("matching record") << QByteArray("H_Name=abc\nH_Score=600\nCheckFlag=32\n")
                                         << "abc" << QStringLiteral("600") << true;
        QTest::newRow("hand-edited check value")
            << QByteArray("H_Name=abc\nH_Score=600\nCheckFlag=33\n") << "abc"
            << QStringLiteral("600") << false;
    }
    void startUpRefusesATamperedRecord()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, name);
        QFETCH(QString, score);
        QFETCH(bool, accepted);
        GameFixture f(false);
        QVERIFY(stored.isEmpty() || writeBytes(f.recordFile(), "[GAL PORTRAIT]\n" + stored));
        const QByteArray before = readBytes(f.recordFile());

        QCOMPARE(f.controller->startUp(), accepted);
        // The record is on the panels before any message.
        QCOMPARE(f.window->statusFrame()->recordHolderPanel()->caption(), name);
        QCOMPARE(f.window->statusFrame()->recordScorePanel()->caption(), score);
        QCOMPARE(f.messages,
                 accepted ? QStringList()
                          : QStringList{QStringLiteral("YRM.INIファイルが不正です。|critical")});
        QCOMPARE(readBytes(f.recordFile()), before);
    }

    void quittingAsksThenSaves_data()
    {
        QTest::addColumn<bool>("viaCloseBox");
        QTest::addColumn<bool>("ok");
        QTest::newRow("menu, OK") << false << true;
        QTest::newRow("menu, Cancel") << false << false;
        QTest::newRow("close box, OK") << true << true;
        QTest::newRow("close box, Cancel") << true << false;
    }
    void quittingAsksThenSaves()
    {
        QFETCH(bool, viaCloseBox);
        QFETCH(bool, ok);
        GameFixture f;
        f.controller->startGame();
        f.controller->record().holder = QStringLiteral("はなこ");
        f.controller->record().score = 777;
        f.answers = {ok};
        if (viaCloseBox)
            QCOMPARE(f.window->close(), ok);
        else
            f.window->actions().quit->trigger();

        QCOMPARE(f.messages,
                 QStringList{QStringLiteral("GAL PORTRAITを終了します。|confirmation")});
        QCOMPARE(f.programEnds, ok ? 1 : 0);
        QCOMPARE(QFile::exists(f.recordFile()), ok);
        // Either way the game is not ended by the question itself.
        QVERIFY(f.state.gameRunning);
        if (ok) {
            const Record saved = f.savedRecord();
            QCOMPARE(saved.holder, QStringLiteral("はなこ"));
            QCOMPARE(saved.score, std::int16_t(777));
            QCOMPARE(saved.checkValue, checkValue(saved));
        }
    }
};

GP_GUI_TEST_MAIN(TestStartupShutdown)
#include "tst_startup_shutdown.moc"
