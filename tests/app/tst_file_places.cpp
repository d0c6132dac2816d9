// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Something other than a plain file at each place the program opens: it must neither block nor
// read without end, and a signal must still end it with the record saved. The program runs as a
// child of the test, so a hang costs a kill, not the test run.

#include "app/main_controller.h"
#include "app/session_end.h"
#include "app/window_services.h"
#include "media/cue_player.h"
#include "media/help_menu.h"
#include "media/help_viewer.h"
#include "media/sdl_audio_output.h"
#include "records/record_store.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>

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
    GameState state;
    MainWindow window;
    Services services(window, [] { return true; });
    MainController controller(state, window, &services);
    if (!controller.startUp())
        return 3;
    QObject::connect(&controller, &MainController::programEnding, &app,
                     [] { QCoreApplication::exit(0); });
    endProgramWithSession(controller);
    controller.record().holder = QStringLiteral("Hana");
    controller.record().score = 900;
    SdlAudioOutput audio;
    CuePlayer cues(
        programDir, [] { return true; }, audio);
    for (const char* cue : kCues)
        cues.play(QLatin1String(cue));
    showHelpContents(&window, programDir + QStringLiteral("/portrait.hlp"));
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

class TestFilePlaces : public QObject
{
    Q_OBJECT

private slots:
    void nothingAtAPlaceHoldsTheGameUp_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("kind");
        for (const char* place : {"record", "lock", "cues", "help", "help cache"})
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
            paths = QStringList{place == "record" ? config + "/YRM.ini"
                                : place == "lock" ? config + "/YRM.ini.lock"
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

        QProcess game; // killed when it goes, should it hang
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("GP_FILE_PLACES_PROGRAM", program);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", dir.path());
        env.insert("XDG_CONFIG_HOME", config);
        env.insert("XDG_CACHE_HOME", cache);
        // The cue files are still read; no device means no waiting for them to sound.
        env.insert("SDL_AUDIODRIVER", "gp-no-such-driver");
        game.setProcessEnvironment(env);
        game.start(QCoreApplication::applicationFilePath(), {});
        QDeadlineTimer watchdog(kWatchdogMs);
        QByteArray out;
        while (!out.contains("ready") && game.waitForReadyRead(int(watchdog.remainingTime())))
            out += game.readAllStandardOutput();
        QVERIFY2(out.contains("ready"),
                 "held up before the game got going: " + game.readAllStandardError());
        QVERIFY(::kill(pid_t(game.processId()), SIGTERM) == 0);
        QVERIFY2(game.waitForFinished(kWatchdogMs), "the signal did not end it");
        const QString errors = QString::fromUtf8(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QVERIFY2(game.exitCode() == 0, qPrintable(errors));

        for (qsizetype i = 0; i < paths.size(); ++i) {
            QVERIFY2(nodeAt(paths[i]) == before[i], qPrintable(paths[i]));
            QVERIFY(kind != "folder" ||
                    QDir(paths[i]).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        }
        // A link to nowhere as the record is a record still to be made, through the link.
        const bool refused = place == "lock" || (place == "record" && kind != "dangling link");
        Record saved;
        RecordStore(config + "/YRM.ini").load(saved);
        QCOMPARE(saved.holder, refused ? "Todo" : "Hana");
        QCOMPARE(errors.contains(saveFailedMessage(config + "/YRM.ini")), refused);
        QVERIFY2(place != "lock" || errors.contains(paths[0]), qPrintable(errors));
    }
};

int main(int argc, char** argv)
{
    const QByteArray program = qgetenv("GP_FILE_PLACES_PROGRAM");
    if (!program.isEmpty())
        return runProgram(argc, argv, QFile::decodeName(program));
    QCoreApplication app(argc, argv);
    TestFilePlaces test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_file_places.moc"
