// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and every way the program ends, with the record shown, saved or kept as it was; and
// the program, run as a child, with something other than a plain file at each place it opens.

#include "app/session_end.h"
#include "app/window_services.h"
#include "game_fixture.h"
#include "media/cue_player.h"
#include "media/help_collection.h"
#include "media/sdl_audio_output.h"
#include "records/check_value.h"
#include "records/record_file.h"
#include "tests/support/gui_test_main.h"
#include "ui/help_menu.h"
#include "ui/new_record_dialog.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSessionManager>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>

using namespace gp;

namespace {

constexpr int kWatchdogMs = 8000;
const char* const kCues[] = {"Right", "Left", "Up", "Down", "Bad", "Good", "VeryGood"};

// The program from start-up through a won record, every cue and the help, then waiting for its
// end; "ready" on standard output once it waits.
int runProgram(int argc, char** argv, const QString& programDir)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("YRM"));
    QApplication::setApplicationName(QStringLiteral("GAL PORTRAIT"));
    // What the player would be asked goes to the log: nobody answers a box here.
    struct Services : WindowServices
    {
        using WindowServices::WindowServices;
        bool showMessage(MessageKind, const QString& text) override
        {
            qWarning("message: %s", qPrintable(text));
            return true;
        }
    };
    GameModel model;
    MainWindow window(model);
    Services services(window, [] { return true; });
    MainController controller(model, window, &services);
    if (!controller.startUp())
        return 3;
    QObject::connect(&controller, &MainController::programEnding, &app,
                     [] { QCoreApplication::exit(0); });
    endProgramWithSession(controller);
    model.setRecord({QStringLiteral("Hana"), 900, 0});
    SdlAudioOutput audio;
    CuePlayer cues(
        programDir, [] { return true; }, audio);
    for (const char* cue : kCues)
        cues.play(QLatin1String(cue));
    showHelpContents(&window, programDir + QStringLiteral("/portrait.hlp"));
    if (qEnvironmentVariableIsSet("GP_FILE_PLACES_QUIT"))
        QTimer::singleShot(0, &window, [&window] { window.actions().quit->trigger(); });
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

// What lies at the path: the same node, of the same kind and size, or something else.
std::tuple<ino_t, mode_t, off_t> nodeAt(const QString& path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return {info.st_ino, info.st_mode, info.st_size};
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

    // Runs the test as the program to its end, by its own quit or by SIGTERM once it waits: a hang
    // costs a kill, not the test run.
    void runProgramAsChild(const QString& program, const QString& home, bool quit,
                           const std::function<void()>& beforeExec, QString& errors)
    {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("GP_FILE_PLACES_PROGRAM", program);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/config");
        env.insert("XDG_CACHE_HOME", home + "/cache");
        // The cue files are still read; no device means no waiting for them to sound.
        env.insert("SDL_AUDIODRIVER", "gp-no-such-driver");
        if (quit)
            env.insert("GP_FILE_PLACES_QUIT", "1");
        game.setProcessEnvironment(env);
        if (beforeExec)
            game.setChildProcessModifier(beforeExec);
        game.start(QCoreApplication::applicationFilePath(), {});
        if (!quit) {
            QDeadlineTimer watchdog(kWatchdogMs);
            QByteArray out;
            while (!out.contains("ready") && game.waitForReadyRead(int(watchdog.remainingTime())))
                out += game.readAllStandardOutput();
            QVERIFY2(out.contains("ready"),
                     "held up before the game got going: " + game.readAllStandardError());
            QVERIFY(::kill(pid_t(game.processId()), SIGTERM) == 0);
        }
        QVERIFY2(game.waitForFinished(kWatchdogMs), "the game did not end");
        errors = QString::fromUtf8(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QVERIFY2(game.exitCode() == 0, qPrintable(errors));
    }

    // Ends the program as the player, a signal, the session manager or the lost display does.
    static void endBy(GameFixture& f, const QString& way)
    {
        if (way == "menu")
            f.window->actions().quit->trigger();
        else if (way == "session manager")
            emit qApp->commitDataRequest(*qApp->findChild<QSessionManager*>());
        else if (way == "display lost")
            f.controller->saveOnExit();
        else if (way.endsWith("later"))
            QTimer::singleShot(1200, [] { ::raise(SIGTERM); });
        else
            ::raise(way == "SIGHUP" ? SIGHUP : way == "SIGINT" ? SIGINT : SIGTERM);
    }

    static void endColumns()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("ok");    // the answer to the question
        QTest::addColumn<bool>("fails"); // the save
    }
    // A game ended as the row says: what the player is told, and what is saved.
    void endAGame()
    {
        QFETCH(QString, way);
        QFETCH(bool, ok);
        QFETCH(bool, fails);
        GameFixture f;
        rlimit files{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &files) == 0);
        const rlimit none{0, files.rlim_max};
        QVERIFY(!way.contains("no descriptor") || ::setrlimit(RLIMIT_NOFILE, &none) == 0);
        endProgramWithSession(*f.controller);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &files) == 0);
        f.model.startGame();
        f.holdRecord(QStringLiteral("はなこ"), 777);
        f.answers = {ok};
        // No save gets past a folder where the lock goes.
        QVERIFY(!fails || QDir().mkdir(recordLockPath(f.recordFile())));
        const QString failed = saveFailedMessage(f.recordFile());
        if (fails && way != "menu")
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression('^' + QRegularExpression::escape(failed)));
        const bool asked = way == "menu" || way == "close box";
        if (way == "close box")
            QCOMPARE(f.window->close(), ok);
        else
            endBy(f, way);
        QTRY_COMPARE_WITH_TIMEOUT(f.programEnds, ok && way != "display lost" ? 1 : 0, 3000);
        QCOMPARE(f.messages.size(), int(asked) + int(asked && fails));
        QVERIFY(!asked || f.messages[0] == "GAL PORTRAITを終了します。|confirmation");
        QCOMPARE(f.messages.filter(failed).size(), int(asked && fails));
        // The question itself does not end the game.
        QVERIFY(!asked || f.model.phase() == Phase::Running);
        const Record saved = f.savedRecord();
        QCOMPARE(saved.holder, ok && !fails ? "はなこ" : "Todo");
        QVERIFY(!ok || fails || (saved.score == 777 && saved.checkValue == checkValue(saved)));
    }

private slots:
    void startUpShowsATamperedRecordButRefusesIt()
    {
        GameFixture f(false);
        const QByteArray stored = "[GAL PORTRAIT]\nH_Name=abc\nCheckFlag=33\n";
        QVERIFY(writeBytes(f.recordFile(), stored));
        QVERIFY(!f.controller->startUp());
        QCOMPARE(f.window->statusFrame()->recordHolderPanel()->caption(), QStringLiteral("abc"));
        QCOMPARE(f.window->statusFrame()->recordScorePanel()->caption(), QStringLiteral("600"));
        QCOMPARE(f.messages, QStringList{QStringLiteral("YRM.INIファイルが不正です。|critical")});
        QCOMPARE(readBytes(f.recordFile()), stored);
    }

    void recordDoesNotDependOnTheLanguage()
    {
        // Saved in Japanese, it is accepted in English, and English saves the very same file.
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/gal-portrait_en.qm")));
        QByteArray saved;
        for (bool inEnglish : {false, true}) {
            if (inEnglish)
                QCoreApplication::installTranslator(&english);
            GameFixture f(false);
            QVERIFY(!inEnglish || writeBytes(f.recordFile(), saved));
            QVERIFY(f.controller->startUp() && f.messages.isEmpty());
            QCOMPARE(f.model.record().holder, inEnglish ? "はなこ" : "Todo");
            QFile::remove(f.recordFile());
            f.holdRecord(QStringLiteral("はなこ"), 777);
            f.window->actions().quit->trigger();
            QVERIFY(!inEnglish || readBytes(f.recordFile()) == saved);
            saved = readBytes(f.recordFile());
        }
        QCoreApplication::removeTranslator(&english);
    }

    // Quit and the close box ask first; a signal or the session manager ends it at once. The
    // record is saved, even with no file descriptor to spare for the signal's pipe.
    void everyEndSavesTheRecord_data()
    {
        endColumns();
        for (const char* way : {"menu", "close box"})
            for (bool ok : {true, false})
                QTest::addRow("%s, %s", way, ok ? "OK" : "Cancel") << QString(way) << ok << false;
        // "later": found by the timer that stands in for the pipe at one of its later looks.
        for (const char* way :
             {"SIGTERM", "SIGTERM, no descriptor", "SIGTERM, no descriptor, later", "SIGHUP",
              "SIGINT", "session manager"})
            QTest::newRow(way) << QString(way) << true << false;
    }
    void everyEndSavesTheRecord() { endAGame(); }

    // With nobody there to answer, a save that fails at the end leaves a line in the log and no
    // box, which would hold the ending program up; asked through the menu, the player is told.
    void failedSaveAtTheEndIsToldOnlyToThePlayerWhoAsked_data()
    {
        endColumns();
        for (const char* way : {"menu", "SIGTERM", "session manager", "display lost"})
            QTest::newRow(way) << QString(way) << true << true;
    }
    void failedSaveAtTheEndIsToldOnlyToThePlayerWhoAsked() { endAGame(); }

    void nameBeingTypedIsKept_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"SIGTERM", "display lost"}) // the latter exits where it stands
            QTest::newRow(way) << QString(way);
    }
    void nameBeingTypedIsKept()
    {
        QFETCH(QString, way);
        GameFixture f;
        endProgramWithSession(*f.controller);
        // A perfect game beats the record, and the name entry stays open.
        std::unique_ptr<NewRecordDialog> entry;
        f.onRecordHolderAsked = [&](Record& record) {
            entry = std::make_unique<NewRecordDialog>(record, f.window.get());
            entry->show();
        };
        f.model.startGame();
        f.placeParts(GirlA);
        f.window->statusFrame()->doneButton()->click();
        QVERIFY(entry);
        entry->findChild<QLineEdit*>()->setText(QStringLiteral("Hana"));
        endBy(f, way);
        QTRY_COMPARE(f.programEnds, int(way == "SIGTERM"));
        QCOMPARE(f.savedRecord().holder, QStringLiteral("Hana"));
        QCOMPARE(f.savedRecord().score, 1000);
        // Without a display, no window is touched.
        QCOMPARE(entry->isVisible(), way == "display lost");
    }

    void unreadableFileIsNeverReplaced()
    {
        GameFixture f(false);
        QVERIFY(writeBytes(f.recordFile(), "[GAL%20PORTRAIT]\nH_Name=abc\nCheckFlag=32\n"));
        QVERIFY(QFile::resize(f.recordFile(), kMaxRecordFileSize + 1)); // unreadable even for root
        QVERIFY(f.controller->startUp());
        QCOMPARE(f.window->statusFrame()->recordHolderPanel()->caption(), QStringLiteral("Todo"));
        QCOMPARE(f.messages, QStringList{unreadableRecordMessage(f.recordFile()) + "|warning"});

        f.holdRecord(QStringLiteral("Todo"), 999);
        f.window->actions().quit->trigger();
        QCOMPARE(f.messages.size(), 3);
        QCOMPARE(f.messages[2],
                 saveFailedMessage(f.recordFile(),
                                   QStringLiteral("記録のファイルを読むことができません。")) +
                     "|warning");
        QCOMPARE(f.programEnds, 1);
        QCOMPARE(QFileInfo(f.recordFile()).size(), kMaxRecordFileSize + 1);
    }

    // A save that cannot be written whole leaves the file as it was and says why: in a box when
    // the player quits, in the log when the session ends. At the real limits: ulimit -f 1, and a
    // small disk of the test's own with one page left, which the lock takes, or none.
    void saveThatCannotBeWrittenWholeKeepsTheFile_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("quit"); // or SIGTERM
        QTest::addColumn<QString>("cause");
        const QString cut = QString::fromLocal8Bit(std::strerror(EFBIG));
        const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
        const QString noLock = QStringLiteral("ロックファイル");
        for (bool quit : {true, false}) {
            const char* end = quit ? "quit" : "SIGTERM";
            QTest::addRow("file size limit, %s", end) << "file size" << quit << cut;
            QTest::addRow("one page free, %s", end) << "one page" << quit << full;
            QTest::addRow("no page free, %s", end) << "no page" << quit << noLock;
        }
    }
    void saveThatCannotBeWrittenWholeKeepsTheFile()
    {
        QFETCH(QString, limit);
        QFETCH(bool, quit);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString config = dir.filePath("config"), record = config + "/YRM.ini";
        QVERIFY(QDir().mkpath(config));
        const bool ownDisk = limit != "file size";
        if (ownDisk && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k,mode=0700",
                                                   "gp-test", config}) != 0)
            QSKIP("no disk of the test's own can be mounted here");
        // Declared before the game: a game left running is ended before its disk goes.
        const auto unmount = qScopeGuard([&] {
            if (ownDisk)
                QCOMPARE(QProcess::execute("umount", {config}), 0);
        });
        // Only another program's section, a page long at most: the whole file is at stake.
        QByteArray old = "[other program]\n";
        for (int i = 0; old.size() < 3200; ++i)
            old += "key" + QByteArray::number(i) + "=some value of the other program\n";
        QVERIFY(writeBytes(record, old));
        if (ownDisk) {
            struct statvfs disk = {};
            QVERIFY(::statvfs(QFile::encodeName(config), &disk) == 0);
            const fsblkcnt_t left = limit == "one page" ? 1 : 0;
            QVERIFY(writeBytes(config + "/filler",
                               QByteArray(qsizetype((disk.f_bavail - left) * disk.f_frsize), 'f')));
            QVERIFY(::statvfs(QFile::encodeName(config), &disk) == 0);
            QCOMPARE(disk.f_bavail, left);
        }

        QString errors;
        runProgramAsChild(GP_PROGRAM_DIR, dir.path(), quit, ownDisk ? std::function<void()>() : [] {
                std::signal(SIGXFSZ, SIG_IGN); // the program's own choice, kept through exec
                const rlimit oneKiB{1024, 1024};
                ::setrlimit(RLIMIT_FSIZE, &oneKiB);
            }, errors);
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(readBytes(record), old);
        QStringList left =
            QDir(config).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        left.sort(); // by code point
        QCOMPARE(left, ownDisk ? QStringList({"YRM.ini", "filler"}) : QStringList{"YRM.ini"});
        const QString failed = saveFailedMessage(record);
        QVERIFY2(errors.contains(failed + '\n') && errors.contains(cause), qPrintable(errors));
        // A box only while somebody plays; at the session's end nobody is there to close it.
        QCOMPARE(errors.contains("message: " + failed), quit);
    }

    void nothingAtAPlaceHoldsTheGameUp_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("kind");
        for (const char* place :
             {"record", "lock", "lock's companion", "cues", "help", "help cache"})
            for (const char* kind : {"FIFO", "device", "folder", "dangling link"})
                QTest::addRow("%s: %s", place, kind) << QString(place) << QString(kind);
    }

    void nothingAtAPlaceHoldsTheGameUp()
    {
        QFETCH(QString, place);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString program = dir.filePath("program"), config = dir.filePath("config"),
                      cache = dir.filePath("cache"), helpFile = program + "/portrait.hlp";
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(config) &&
                QDir().mkpath(cache + "/YRM/GAL PORTRAIT"));
        // Only the help file is needed: its cache is made once it opens.
        QVERIFY(QFile::copy(GP_PROGRAM_DIR "/portrait.hlp", helpFile));
        QStringList paths;
        for (const char* cue : kCues)
            paths << program + '/' + cue + ".Wav";
        if (place != "cues")
            paths = QStringList{place == "record"             ? config + "/YRM.ini"
                                : place == "lock"             ? config + "/YRM.ini.lock"
                                : place == "lock's companion" ? config + "/YRM.ini.lock.rmlock"
                                : place == "help"
                                    ? helpFile
                                    : helpCollectionFile(helpFile, cache + "/YRM/GAL PORTRAIT")};

        QList<std::tuple<ino_t, mode_t, off_t>> before;
        for (const QString& path : paths) {
            QFile::remove(path);
            const QByteArray name = QFile::encodeName(path);
            // The device reads as zeros without end, as /dev/zero does; made here, it is ours.
            if (kind == "device" && ::mknod(name, S_IFCHR | 0600, makedev(1, 5)) != 0)
                QSKIP("no device node can be made here (mknod needs root)");
            QVERIFY(kind != "FIFO" || ::mkfifo(name, 0600) == 0);
            QVERIFY(kind != "folder" || QDir().mkdir(path));
            QVERIFY(kind != "dangling link" || QFile::link(path + ".gone", path));
            before << nodeAt(path);
        }

        QString errors;
        runProgramAsChild(program, dir.path(), false, {}, errors);
        if (QTest::currentTestFailed())
            return;

        for (qsizetype i = 0; i < paths.size(); ++i) {
            QVERIFY2(nodeAt(paths[i]) == before[i], qPrintable(paths[i]));
            QVERIFY(kind != "folder" ||
                    QDir(paths[i]).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        }
        // A link to nowhere as the record is a record still to be made, through the link.
        const bool lock = place.startsWith("lock");
        const bool refused = lock || (place == "record" && kind != "dangling link");
        QCOMPARE(loadRecord(config + "/YRM.ini").holder, refused ? "Todo" : "Hana");
        QCOMPARE(errors.contains(saveFailedMessage(config + "/YRM.ini")), refused);
        QVERIFY2(!lock || errors.contains(paths[0]), qPrintable(errors));
    }
};

// The test runs itself as the program for the file places.
int main(int argc, char** argv)
{
    const QByteArray program = qgetenv("GP_FILE_PLACES_PROGRAM");
    if (!program.isEmpty())
        return runProgram(argc, argv, QFile::decodeName(program));
    return runGuiTest<TestSession>(argc, argv);
}

#include "tst_session.moc"
