// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ends other than the exit command: the session manager, termination signals, a file size limit,
// and a record file that cannot be read at start-up.

#include "app/session_end.h"
#include "app/termination_signals.h"
#include "game_fixture.h"
#include "records/check_value.h"
#include "records/new_record_dialog.h"
#include "records/record_file.h"
#include "records/record_store.h"
#include "tests/support/gui_test_main.h"
#include "tests/support/test_files.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSessionManager>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace gp;

class TestSessionEnd : public QObject
{
    Q_OBJECT

private slots:
    void terminationSavesTheRecord_data()
    {
        QTest::addColumn<int>("signalNumber"); // 0: the session manager's request instead
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("session manager") << 0;
    }
    void terminationSavesTheRecord()
    {
        QFETCH(int, signalNumber);
        GameFixture f;
        QVERIFY(f.loaded);
        endProgramWithSession(*f.controller);
        f.controller->startGame();
        f.controller->record().holder = QStringLiteral("はなこ");
        f.controller->record().score = 777;
        if (signalNumber != 0) {
            QVERIFY(::raise(signalNumber) == 0);
        } else {
            auto* manager = qApp->findChild<QSessionManager*>();
            QVERIFY(manager);
            emit qApp->commitDataRequest(*manager);
        }
        QTRY_COMPARE(f.programEnds, 1);
        QCOMPARE(f.messages, QStringList()); // nothing asked
        const Record saved = f.savedRecord();
        QCOMPARE(saved.holder, QStringLiteral("はなこ"));
        QCOMPARE(saved.score, 777);
        QCOMPARE(saved.checkValue, checkValue(saved));
    }

    void nameBeingTypedIsKept()
    {
        GameFixture f;
        endProgramWithSession(*f.controller);
        f.controller->record().score = 900; // as the game does before it asks for the name
        NewRecordDialog dialog(f.controller->record(), f.window.get());
        dialog.show();
        dialog.findChild<QLineEdit*>()->setText(QStringLiteral("Hana"));
        QVERIFY(::raise(SIGTERM) == 0);
        QTRY_COMPARE(f.programEnds, 1);
        QCOMPARE(f.savedRecord().holder, QStringLiteral("Hana"));
        QCOMPARE(f.savedRecord().score, 900);
    }

    // A full disk, which a file size limit imitates even for root: the save fails without
    // killing the program, and the old file stays whole.
    void fileSizeLimitFailsTheSaveAndKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("YRM.ini"));
        Record old;
        old.holder = QStringLiteral("abc");
        old.checkValue = checkValue(old);
        QVERIFY(RecordStore(path).save(old));
        const QByteArray before = readBytes(path);
        // The child does what start-up does, then saves into the limit.
        const pid_t child = ::fork();
        if (child == 0) {
            ignoreFileSizeSignal();
            const rlim_t limit = rlim_t(before.size() + 16);
            const rlimit small{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &small);
            Record next;
            next.holder = QString(200, u'x');
            next.score = 999;
            next.checkValue = checkValue(next);
            ::_exit(RecordStore(path).save(next) ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "killed by a signal");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"YRM.ini"});
    }

    void unreadableFileIsNeverReplaced()
    {
        GameFixture f(false);
        {
            QFile file(f.recordFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[GAL%20PORTRAIT]\nH_Name=abc\nH_Score=600\nCheckFlag=32\n");
            QVERIFY(file.resize(kMaxRecordFileSize + 1)); // unreadable even for root
        }
        QVERIFY(f.controller->startUp());
        QCOMPARE(f.window->statusFrame()->recordHolderPanel()->caption(), QStringLiteral("Todo"));
        QCOMPARE(f.messages, QStringList{unreadableRecordMessage(f.recordFile()) + "|warning"});

        f.controller->record().score = 999;
        f.window->actions().quit->trigger();
        QCOMPARE(f.messages.size(), 3);
        QCOMPARE(f.messages[2], saveFailedMessage(f.recordFile()) + "|warning");
        QCOMPARE(f.programEnds, 1);
        QCOMPARE(QFileInfo(f.recordFile()).size(), kMaxRecordFileSize + 1);
    }
};

GP_GUI_TEST_MAIN(TestSessionEnd)
#include "tst_session_end.moc"
