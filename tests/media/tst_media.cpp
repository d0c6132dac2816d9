// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The generated pictures and cue sounds, which file each cue plays and how, and what reaches the
// sound device.

#include "game/face_geometry.h"
#include "media/cue_player.h"
#include "media/sdl_audio_output.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>

using namespace gp;

namespace {

struct FakeOutput : AudioOutput
{
    QStringList paths;
    QList<PlayMode> modes;
    int beeps = 0;
    bool readable = true;

    bool play(const QString& path, PlayMode mode) override
    {
        paths << path;
        modes << mode;
        return readable;
    }
    void beep() override { ++beeps; }
};

// The two channels of a cue file in the program's folder; empty when it is not a canonical wave.
std::array<QList<int>, 2> channelsOf(const QString& file)
{
    const QByteArray wav = readBytes(GP_PROGRAM_DIR "/" + file);
    std::array<QList<int>, 2> channels;
    if (wav.size() <= 44 || wav.left(44) != waveHeader(1, 44100, 2, 16, wav.size() - 44))
        return channels;
    for (qsizetype at = 44; at + 4 <= wav.size(); at += 4)
        for (int c : {0, 1})
            channels[c] << qFromLittleEndian<qint16>(wav.constData() + at + 2 * c);
    return channels;
}

// Sign changes per sample over a third of the sound: a rough ear for pitch.
double crossingRate(const QList<int>& s, int third)
{
    const qsizetype from = s.size() * third / 3, to = s.size() * (third + 1) / 3;
    int crossings = 0;
    for (qsizetype i = from + 1; i < to; ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    return double(crossings) / double(to - from);
}

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

// The art sources copied into dir/svg, with the first match of pattern in one of them replaced.
// Patterns, not exact text: an artist's editor may lay the files out differently.
bool copySources(const QDir& dir, const QString& file, const QString& pattern,
                 const QString& replacement)
{
    if (!dir.mkpath("svg"))
        return false;
    for (const char* name : {"girl_a.svg", "girl_b.svg", "icon.svg"}) {
        QString text = QString::fromUtf8(readBytes(GP_ART_SOURCES "/" + QString(name)));
        if (name == file) {
            const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
            if (!match.hasMatch())
                return false;
            QString with = replacement;
            with.replace("\\0", match.captured(0));
            text.replace(match.capturedStart(), match.capturedLength(), with);
        }
        if (!writeBytes(dir.filePath("svg/" + QString(name)), text.toUtf8()))
            return false;
    }
    return true;
}

} // namespace

class TestMedia : public QObject
{
    Q_OBJECT

private slots:
    // Direction cues wait until heard, ratings play on; the file lies in the program's folder,
    // also at the root. Other names, however close, do nothing and leave the switch unread. The
    // switch is read at every cue, and a file that cannot be played beeps instead.
    void eachCueNamePlaysItsFileInItsModeWhileSwitchedOn()
    {
        const QString dir = "/opt/ギャル";
        QStringList names{"Right", "Left", "Up", "Down", "Bad", "Good", "VeryGood"}, expected;
        for (const QString& name : names)
            expected << dir + "/" + name + ".Wav";
        FakeOutput out;
        int switchReads = 0;
        bool soundOn = true;
        CuePlayer cues(
            dir, [&] { return ++switchReads, soundOn; }, out);
        names += QStringList{"left", "VERYGOOD", "Up ", "", "Right.Wav", "Neutral"};
        for (const QString& name : names)
            cues.play(name);
        QCOMPARE(out.paths, expected);
        QCOMPARE(out.modes, QList<PlayMode>(4, PlayMode::Synchronous) +
                                QList<PlayMode>(3, PlayMode::Asynchronous));
        QCOMPARE(switchReads, 7);
        soundOn = false;
        cues.play("Up");
        soundOn = true;
        out.readable = false;
        cues.play("Down");
        soundOn = false;
        cues.play("Good");
        QCOMPARE(switchReads, 10);
        QCOMPARE(out.paths.mid(7), QStringList{dir + "/Down.Wav"});
        QCOMPARE(out.beeps, 1);
        CuePlayer atRoot(
            "/", [] { return true; }, out);
        atRoot.play("Left");
        QCOMPARE(out.paths.last(), QStringLiteral("/Left.Wav"));
    }

    void eachCueSoundsOnItsSidesBrieflyWithoutClicks_data()
    {
        QTest::addColumn<QString>("heardOn"); // "L", "R" or "LR"
        QTest::addColumn<int>("maxMs");
        QTest::addColumn<int>("pitch"); // +1 rises, -1 falls, 0 either
        QTest::newRow("Right") << "R" << 250 << 0;
        QTest::newRow("Left") << "L" << 250 << 0;
        QTest::newRow("Up") << "LR" << 250 << +1;
        QTest::newRow("Down") << "LR" << 250 << -1;
        QTest::newRow("Bad") << "LR" << 1500 << -1;
        QTest::newRow("Good") << "LR" << 1500 << +1;
        QTest::newRow("VeryGood") << "LR" << 1500 << +1;
    }

    void eachCueSoundsOnItsSidesBrieflyWithoutClicks()
    {
        QFETCH(QString, heardOn);
        QFETCH(int, maxMs);
        QFETCH(int, pitch);
        const auto channels = channelsOf(QString(QTest::currentDataTag()) + ".Wav");
        QVERIFY2(!channels[0].isEmpty(), "a canonical 44.1 kHz 16-bit stereo wave");
        const qsizetype ms = channels[0].size() * 1000 / 44100;
        QVERIFY2(ms >= 100 && ms <= maxMs, qPrintable(QString::number(ms)));

        for (int c : {0, 1}) {
            const QList<int>& s = channels[c];
            int peak = 0, steepest = 0;
            for (qsizetype i = 0; i < s.size(); ++i) {
                peak = std::max(peak, std::abs(s[i]));
                steepest = std::max(steepest, i ? std::abs(s[i] - s[i - 1]) : 0);
            }
            if (!heardOn.contains("LR"[c])) {
                QCOMPARE(peak, 0);
                continue;
            }
            // Audible (over -20 dBFS), not over -3 dBFS, no click at the ends or within.
            QVERIFY2(peak >= 3277 && peak <= 23197, qPrintable(QString::number(peak)));
            QVERIFY(std::abs(s.first()) < 330 && std::abs(s.last()) < 330);
            QVERIFY2(steepest < 6554, qPrintable(QString::number(steepest)));
            const double rise = crossingRate(s, 2) / crossingRate(s, 0);
            QVERIFY2(pitch == 0 || (pitch > 0 ? rise > 1.2 : rise < 1 / 1.2),
                     qPrintable(QString::number(rise)));
        }
    }

    // Anything else is refused before a device is asked for, and the beep stands in.
    void onlyCuesWithinTheLimitsReachTheDevice_data()
    {
        QTest::addColumn<QByteArray>("wave"); // empty: no file at all
        QTest::addColumn<bool>("plays");
        QTest::newRow("8 kHz") << waveFile(1, 8000, 1, 16, 800) << true;
        QTest::newRow("192 kHz") << waveFile(1, 192000, 1, 16, 19200) << true;
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not a wave") << QByteArray("RIFF\x10\0\0\0WAVEjunkjunk", 20) << false;
        // SDL's converter overran its buffer on these, or asked for gigabytes.
        QTest::newRow("1 Hz mu-law") << waveFile(7, 1, 1, 8, 4000) << false;
        QTest::newRow("1 Hz PCM16") << waveFile(1, 1, 2, 16, 4000) << false;
        QTest::newRow("1 Hz PCM8") << waveFile(1, 1, 1, 8, 4000) << false;
        // A thousand seconds: the interface hung for all of them on every hint.
        QTest::newRow("100 Hz, 100 KB") << waveFile(1, 100, 1, 8, 100000) << false;
        QTest::newRow("ten seconds") << waveFile(1, 8000, 1, 8, 80000) << false;
        QTest::newRow("three channels") << waveFile(1, 44100, 3, 16, 6000) << false;
        QTest::newRow("chunk short by 1") << waveFile(1, 44100, 1, 16, 100).chopped(1) << false;
        QTest::newRow("chunk short by 8") << waveFile(1, 44100, 1, 16, 100).chopped(8) << false;
        // A header alone, its samples promised: SDL would reserve what it promises.
        QTest::newRow("header alone, 2 GB promised")
            << waveHeader(1, 44100, 2, 16, 0x7ffffff0) << false;
        QTest::newRow("header alone, 100 bytes promised")
            << waveHeader(1, 44100, 1, 16, 100) << false;
        QTest::newRow("five seconds") << waveFile(1, 8000, 1, 8, 40000) << true;
        QTest::newRow("float") << waveFile(3, 44100, 1, 32, 400) << true;
    }

    void onlyCuesWithinTheLimitsReachTheDevice()
    {
        QFETCH(QByteArray, wave);
        QFETCH(bool, plays);
        QTemporaryDir dir;
        const QString file = dir.filePath("Up.Wav");
        useDriver("disk", dir.filePath("out.raw"));
        QVERIFY(wave.isEmpty() || writeBytes(file, wave));
        SdlAudioOutput out;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(out.play(file, PlayMode::Synchronous), plays);
        QVERIFY(plays || clock.elapsed() < 500); // a cue that plays holds up to a second
        QCOMPARE(out.isDeviceOpen(), plays);
    }

    // No such driver, or a device that will not open.
    void noDeviceIsSilentAndAskedForOnce()
    {
        QTemporaryDir dir;
        for (const auto& [driver, diskFile] :
             {std::pair<QByteArray, QString>{"gp-no-such-driver", {}},
              {"disk", dir.filePath("missing/out.raw")}}) {
            useDriver(driver, diskFile);
            // Said once, and never asked for again.
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^no sound: "));
            QTest::failOnWarning(QRegularExpression("^no sound: "));
            SdlAudioOutput out;
            QElapsedTimer clock;
            clock.start();
            for (const char* file : {"Left.Wav", "Good.Wav", "Up.Wav"})
                QVERIFY2(out.play(cue(file), PlayMode::Synchronous), driver);
            QVERIFY(clock.elapsed() < 150); // nothing to wait for
            QVERIFY(!out.isDeviceOpen());
        }
    }

    void cuesReachTheDevice()
    {
        QTemporaryDir dir;
        const QString written = dir.filePath("out.raw");
        useDriver("disk", written);
        // SDL takes SIGTERM over only from its default; QTest has a handler of its own there.
        struct sigaction plain = {}, testsOwn = {}, seen = {};
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

    // Every part carries a feature in pixels of its own; the rest of the face is the blank one.
    void eachPartCarriesAFeatureOfItsOwn()
    {
        for (int girl = 0; girl < kGirlCount; ++girl) {
            const auto picture = [girl](const char* what) {
                return QImage(QStringLiteral(":/art/%1_%2.png").arg(QChar(u'a' + girl)).arg(what))
                    .convertToFormat(QImage::Format_RGB32);
            };
            const QImage blank = picture("blank"), complete = picture("complete");
            QVERIFY(!blank.isNull() && blank.size() == complete.size());
            std::array<int, kPartCount> changed{};
            for (int y = 0; y < complete.height(); ++y) {
                for (int x = 0; x < complete.width(); ++x) {
                    if (blank.pixel(x, y) == complete.pixel(x, y))
                        continue;
                    QList<int> owners;
                    for (int part = 0; part < kPartCount; ++part)
                        if (partCutRect(girl, part).contains(x, y))
                            owners << part;
                    QVERIFY2(!owners.isEmpty(), qPrintable(QString("at %1, %2").arg(x).arg(y)));
                    if (owners.size() == 1)
                        ++changed[owners[0]];
                }
            }
            for (int part = 0; part < kPartCount; ++part) {
                const QSize size = partCutRect(girl, part).size();
                QVERIFY2(changed[part] * 20 > size.width() * size.height(),
                         qPrintable(QString("part %1: %2 pixels").arg(part).arg(changed[part])));
            }
        }
    }

    // A fresh run writes the very bytes that are packed into the program and installed.
    void generatorIsDeterministic()
    {
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute(GP_ARTGEN, {GP_ART_SOURCES, dir.path()}), 0);
        const QStringList names = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names, QDir(GP_ART_DIR).entryList(QDir::Files, QDir::Name));
        for (const QString& name : names) {
            const QByteArray fresh = readBytes(dir.filePath(name));
            QVERIFY2(!fresh.isEmpty() && fresh == readBytes(GP_ART_DIR "/" + name),
                     qPrintable(name));
            QVERIFY2(fresh == readBytes(":/art/" + name), qPrintable(name));
            if (name.startsWith("icon_")) { // for the desktop: a head on nothing
                const QImage icon = QImage::fromData(fresh);
                QCOMPARE(icon.width(), name.mid(5).chopped(4).toInt());
                QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            }
        }
    }

    // An artist's mistake stops the build with where it lies, and nothing is written for it.
    void generatorRefusesBrokenArt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* file, const char* pattern,
                            const char* replacement, const char* message) {
            QTest::newRow(tag) << file << pattern << replacement << message;
        };
        // \0 stands for the matched text: these add a shape as the first child of a part.
        row("stray dot above the nose", "girl_a.svg", R"(<g\b[^>]*\bid="nose"[^>]*>)",
            R"(\0<path d="M 0 -100 H 3 V -97 H 0 Z"/>)",
            "part 4 (nose) at ratio 1 reaches outside its rectangle at pixel (");
        row("mouth drawn wider", "girl_b.svg", R"(<g\b[^>]*\bid="mouth"[^>]*>)",
            R"(\0<path d="M -60 0 H 60 V 2 H -60 Z"/>)",
            "part 5 (mouth) at ratio 1 reaches outside its rectangle at pixel (");
        row("renamed part", "girl_b.svg", R"(\bid="left-eye")", R"(id="eye2")",
            "lacks one of the elements");
        row("not SVG", "girl_a.svg", R"(<svg\b)", "<svgx", "unreadable");
    }
    void generatorRefusesBrokenArt()
    {
        QFETCH(QString, file);
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(copySources(QDir(dir.path()), file, pattern, replacement));
        QProcess artgen;
        artgen.start(GP_ARTGEN, {dir.filePath("svg"), dir.filePath("out")});
        QVERIFY(artgen.waitForFinished(60000));
        const QString error = QString::fromLocal8Bit(artgen.readAllStandardError());
        QCOMPARE(artgen.exitCode(), 1);
        QVERIFY2(error.contains(file) && error.contains(message), qPrintable(error));
        const QString girl = file.mid(5, 1);
        // The pixel named lies outside the part's rectangle.
        const QRegularExpressionMatch at =
            QRegularExpression(R"(part (\d) .*pixel \((\d+), (\d+)\))").match(error);
        if (at.hasMatch()) {
            const QRect own = partCutRect(girl == "a" ? GirlA : GirlB, at.captured(1).toInt());
            const QPoint pixel(at.captured(2).toInt(), at.captured(3).toInt());
            QVERIFY2(!own.adjusted(1, 1, -1, -1).contains(pixel), qPrintable(error));
        }
        QVERIFY(!QFile::exists(dir.filePath("out/" + girl + "_complete.png")));
    }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
