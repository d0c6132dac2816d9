#include "media/sdl_audio_output.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace gp;

using namespace std::chrono_literals;

namespace {

QString cue(const char* file)
{
    return QStringLiteral(GP_PROGRAM_DIR "/") + file;
}

QByteArray readAll(const QString& path, qsizetype from = 0)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().mid(from) : QByteArray();
}

// SDL's disk driver writes what the device is given to a file, at the pace of a sound card.
void useDriver(const QByteArray& driver, const QString& diskFile)
{
    qputenv("SDL_AUDIODRIVER", driver);
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(diskFile));
}

} // namespace

class TestSdlAudioOutput : public QObject
{
    Q_OBJECT

private slots:
    void unreadableFileTouchesNoDevice_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a wave") << QByteArray("RIFF\x10\0\0\0WAVEjunkjunk", 20);
    }

    void unreadableFileTouchesNoDevice()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath("Left.Wav"));
        QVERIFY(content.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(content)));
        file.close();
        useDriver("disk", dir.filePath("out.raw"));
        SdlAudioOutput out;
        QVERIFY(!out.play(file.fileName(), PlayMode::Synchronous));
        QCOMPARE(out.openAttempts(), 0);
    }

    void noDeviceIsSilentAndAskedForOnce_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<QString>("diskFile");
        QTest::newRow("no such driver") << QByteArray("gp-no-such-driver") << QString();
        QTest::newRow("device will not open") << QByteArray("disk") << "/nonexistent/out.raw";
    }

    void noDeviceIsSilentAndAskedForOnce()
    {
        QFETCH(QByteArray, driver);
        QFETCH(QString, diskFile);
        useDriver(driver, diskFile);
        SdlAudioOutput out;
        QElapsedTimer clock;
        clock.start();
        for (const char* file : {"Left.Wav", "Good.Wav", "Up.Wav"})
            QVERIFY(out.play(cue(file), PlayMode::Synchronous));
        QVERIFY(clock.elapsed() < 150); // nothing to wait for
        QCOMPARE(out.openAttempts(), 1);
        QVERIFY(!out.isDeviceOpen());
    }

    void cuesReachTheDevice()
    {
        QTemporaryDir dir;
        const QString written = dir.filePath("out.raw");
        useDriver("disk", written);
        // SDL takes SIGTERM over only from its default; QTest has a handler of its own there.
        struct sigaction plain
        {
        }, testsOwn{}, seen{};
        plain.sa_handler = SIG_DFL;
        sigaction(SIGTERM, &plain, &testsOwn);
        const QByteArray left = readAll(cue("Left.Wav"), 44), bad = readAll(cue("Bad.Wav"), 44);
        {
            SdlAudioOutput out;
            QElapsedTimer clock;
            clock.start();
            QVERIFY(out.play(cue("Left.Wav"), PlayMode::Synchronous));
            // The disk driver plays about 5% fast: it sleeps each buffer's period in whole ms.
            const qint64 ms = clock.restart(), lengthMs = left.size() * 1000 / (44100 * 4);
            QVERIFY2(ms >= lengthMs * 94 / 100 && ms <= lengthMs + 120,
                     qPrintable(QString::number(ms)));
            QVERIFY(out.play(cue("Bad.Wav"), PlayMode::Asynchronous));
            QVERIFY(clock.restart() < 50);
            QVERIFY(out.play(cue("Up.Wav"), PlayMode::Synchronous));
            sigaction(SIGTERM, &testsOwn, &seen);
        }
        QVERIFY2(seen.sa_handler == SIG_DFL, "SDL took the termination signal for itself");
        const QByteArray device = readAll(written);
        QVERIFY(!left.isEmpty() && device.contains(left));
        QVERIFY(device.contains(readAll(cue("Up.Wav"), 44)));
        QVERIFY2(!device.contains(bad), "the rating cue was not cut off");
    }

    void closesOnlyOnceSilent()
    {
        QTemporaryDir dir;
        useDriver("disk", dir.filePath("out.raw"));
        SdlAudioOutput out(150ms);
        QVERIFY(out.play(cue("Bad.Wav"), PlayMode::Asynchronous));
        QTest::qWait(400);
        QVERIFY(out.isDeviceOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!out.isDeviceOpen(), 3000);
        QVERIFY(readAll(dir.filePath("out.raw")).contains(readAll(cue("Bad.Wav"), 44)));
        QVERIFY(out.play(cue("Left.Wav"), PlayMode::Synchronous));
        QCOMPARE(out.openAttempts(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSdlAudioOutput)
#include "tst_sdl_audio_output.moc"
