// Ends other than the exit command: the session manager, termination signals, a file size limit,
// and a record file that cannot be read at start-up.

#include "app/session_end.h"
#include "app/termination_signals.h"
#include "game_fixture.h"
#include "records/check_value.h"
#include "records/form3.h"
#include "records/record_file.h"
#include "records/record_store.h"
#include "ui/panel3d.h"

#include <QAction>
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

namespace {

GameState savedRecord(const QString& file)
{
    GameState state;
    RecordStore(file).LoadRecord(state);
    return state;
}

} // namespace

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
        f.controller->start_Click();
        f.state.HighName = QStringLiteral("はなこ");
        f.state.HighScore = 777;
        if (signalNumber != 0) {
            QVERIFY(::raise(signalNumber) == 0);
        } else {
            auto* manager = qApp->findChild<QSessionManager*>();
            QVERIFY(manager);
            emit qApp->commitDataRequest(*manager);
        }
        QTRY_COMPARE(f.programEnds, 1);
        QCOMPARE(f.messages, QStringList()); // nothing asked
        const GameState saved = savedRecord(f.recordFile());
        QCOMPARE(saved.HighName, QStringLiteral("はなこ"));
        QCOMPARE(saved.HighScore, 777);
        QCOMPARE(saved.CheckFlag, ComputeCheckValue(saved));
    }

    void nameBeingTypedIsKept()
    {
        GameFixture f;
        endProgramWithSession(*f.controller);
        f.state.HighScore = 900; // as the game does before it asks for the name
        Form3 dialog(f.state, *f.form, f.form.get());
        dialog.show();
        dialog.findChild<QLineEdit*>()->setText(QStringLiteral("Hana"));
        QVERIFY(::raise(SIGTERM) == 0);
        QTRY_COMPARE(f.programEnds, 1);
        QCOMPARE(savedRecord(f.recordFile()).HighName, QStringLiteral("Hana"));
        QCOMPARE(savedRecord(f.recordFile()).HighScore, 900);
    }

    void fileSizeLimitGivesTheMessage()
    {
        // The child does what start-up does, then saves into a limit that stops even root.
        QTemporaryDir dir;
        const pid_t child = ::fork();
        if (child == 0) {
            ignoreFileSizeSignal();
            const rlimit small{64, 64};
            ::setrlimit(RLIMIT_FSIZE, &small);
            GameState state;
            state.HighName = QString(200, u'x');
            const bool saved =
                RecordStore(dir.filePath(QStringLiteral("YRM.ini"))).SaveRecord(state);
            ::_exit(saved ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "killed by a signal");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void unreadableFileIsNeverReplaced()
    {
        GameFixture f(false);
        {
            QFile file(f.recordFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[GAL%20PORTRAIT]\nH_Name=abc\nH_Score=600\nCheckFlag=32\n");
            QVERIFY(file.resize(MaxRecordFileSize + 1)); // unreadable even for root
        }
        QVERIFY(f.controller->Form_Load());
        QCOMPARE(f.form->Panel3D3[1]->caption(), QStringLiteral("Todo"));
        QCOMPARE(f.messages, QStringList{unreadableRecordMessage(f.recordFile()) + "|48"});
        QVERIFY(f.messages[0].contains(f.recordFile()));

        f.state.HighScore = 999;
        f.form->FIN->trigger();
        QCOMPARE(f.messages.size(), 3);
        QCOMPARE(f.messages[2], saveFailedMessage(f.recordFile()) + "|48");
        QCOMPARE(f.programEnds, 1);
        QCOMPARE(QFileInfo(f.recordFile()).size(), MaxRecordFileSize + 1);
    }
};

QTEST_MAIN(TestSessionEnd)
#include "tst_session_end.moc"
