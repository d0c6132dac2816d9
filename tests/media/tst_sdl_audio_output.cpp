// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/sdl_audio_output.h"
#include "tests/support/test_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace gp;

namespace {

QString cue(const char* file)
{
    return QStringLiteral(GP_PROGRAM_DIR "/") + file;
}

// SDL's disk driver writes what the device is given to a file, at the pace of a sound card.
void useDriver(const QByteArray& driver, const QString& diskFile)
{
    qputenv("SDL_AUDIODRIVER", driver);
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(diskFile));
}

// A RIFF wave of a soft noise.
QByteArray waveFile(int tag, int rate, int channels, int bits, qsizetype dataBytes)
{
    QByteArray wave = waveHeader(tag, rate, channels, bits, dataBytes);
    for (qsizetype i = 0; i < dataBytes; ++i)
        wave += char(i * 37 % 7 + (bits == 8 ? 125 : 0));
    return wave;
}

// Writes the wave, unless empty, as a cue file of the folder and sends the device's output to a
// file beside it.
QString cueFile(const QTemporaryDir& dir, const QByteArray& wave)
{
    const QString file = dir.filePath("Up.Wav");
    useDriver("disk", dir.filePath("out.raw"));
    return wave.isEmpty() || writeBytes(file, wave) ? file : QString();
}

} // namespace

class TestSdlAudioOutput : public QObject
{
    Q_OBJECT

private slots:
    void unplayableFilesTouchNoDevice_data()
    {
        QTest::addColumn<QByteArray>("wave"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a wave") << QByteArray("RIFF\x10\0\0\0WAVEjunkjunk", 20);
        // SDL's converter overran its buffer on these, or asked for gigabytes.
        QTest::newRow("1 Hz mu-law") << waveFile(7, 1, 1, 8, 4000);
        QTest::newRow("1 Hz PCM16") << waveFile(1, 1, 2, 16, 4000);
        QTest::newRow("1 Hz PCM8") << waveFile(1, 1, 1, 8, 4000);
        // A thousand seconds: the interface hung for all of them on every hint.
        QTest::newRow("100 Hz, 100 KB") << waveFile(1, 100, 1, 8, 100000);
        QTest::newRow("ten seconds") << waveFile(1, 8000, 1, 8, 80000);
        QTest::newRow("three channels") << waveFile(1, 44100, 3, 16, 6000);
        QTest::newRow("chunk beyond the file") << waveFile(1, 44100, 1, 16, 100).chopped(50);
    }

    void unplayableFilesTouchNoDevice()
    {
        QFETCH(QByteArray, wave);
        QTemporaryDir dir;
        const QString file = cueFile(dir, wave);
        QVERIFY(!file.isEmpty());
        SdlAudioOutput out;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!out.play(file, PlayMode::Synchronous)); // the beep stands in
        QVERIFY(clock.elapsed() < 500);
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
        const QByteArray left = readBytes(cue("Left.Wav"), 44), bad = readBytes(cue("Bad.Wav"), 44);
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
        const QByteArray device = readBytes(written);
        QVERIFY(!left.isEmpty() && device.contains(left));
        QVERIFY(device.contains(readBytes(cue("Up.Wav"), 44)));
        QVERIFY2(!device.contains(bad), "the rating cue was not cut off");
    }
};

QTEST_GUILESS_MAIN(TestSdlAudioOutput)
#include "tst_sdl_audio_output.moc"
