// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/test_files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace {

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

// What a listener on one speaker takes from a cue: how many separate blips, the pitch, and how
// far it glides from the first quarter of the sounding time to the last.
struct Heard
{
    int blips = 0;
    double hz = 0;
    double glideSemitones = 0;
};

Heard listen(const QList<int>& mono)
{
    constexpr int kFrame = 220; // 5 ms
    QList<int> envelope, crossings;
    for (qsizetype from = 0; from < mono.size(); from += kFrame) {
        int peak = 0, signChanges = 0;
        for (qsizetype i = from; i < std::min(from + kFrame, mono.size()); ++i) {
            peak = std::max(peak, std::abs(mono[i]));
            signChanges += i > 0 && (mono[i - 1] < 0) != (mono[i] < 0);
        }
        envelope << peak;
        crossings << signChanges;
    }
    const int top = *std::max_element(envelope.cbegin(), envelope.cend());
    Heard heard;
    bool sounding = false;
    QList<int> loud; // frames over a quarter of the peak, where the pitch is clear
    for (qsizetype f = 0; f < envelope.size(); ++f) {
        // A blip starts over half the peak and must fall under a tenth before the next.
        if (!sounding && envelope[f] > top / 2)
            ++heard.blips;
        sounding = sounding ? envelope[f] >= top / 10 : envelope[f] > top / 2;
        if (envelope[f] >= top / 4)
            loud << crossings[f];
    }
    auto hz = [](QList<int>::const_iterator from, QList<int>::const_iterator to) {
        return std::accumulate(from, to, 0.0) / 2 / (double(to - from) * kFrame / 44100);
    };
    const qsizetype quarter = loud.size() / 4;
    heard.hz = hz(loud.cbegin(), loud.cend());
    heard.glideSemitones = 12 * std::log2(hz(loud.cend() - quarter, loud.cend()) /
                                          hz(loud.cbegin(), loud.cbegin() + quarter));
    return heard;
}

// +1 rising, -1 falling, 0 level; 2 for a glide too slight to hear surely yet not level.
int glideOf(const Heard& heard)
{
    if (std::abs(heard.glideSemitones) <= 1)
        return 0;
    if (std::abs(heard.glideSemitones) >= 3)
        return heard.glideSemitones > 0 ? 1 : -1;
    return 2;
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

} // namespace

class TestCueSounds : public QObject
{
    Q_OBJECT

private slots:
    void eachCueSoundsOnItsSidesBrieflyWithoutClicks_data()
    {
        QTest::addColumn<QString>("heardOn"); // "L", "R" or "LR"
        QTest::addColumn<int>("maxMs");
        QTest::addColumn<int>("pitch"); // +1 rises, -1 falls, 0 either
        QTest::newRow("Right") << QStringLiteral("R") << 250 << 0;
        QTest::newRow("Left") << QStringLiteral("L") << 250 << 0;
        QTest::newRow("Up") << QStringLiteral("LR") << 250 << +1;
        QTest::newRow("Down") << QStringLiteral("LR") << 250 << -1;
        QTest::newRow("Bad") << QStringLiteral("LR") << 1500 << -1;
        QTest::newRow("Good") << QStringLiteral("LR") << 1500 << +1;
        QTest::newRow("VeryGood") << QStringLiteral("LR") << 1500 << +1;
    }

    void eachCueSoundsOnItsSidesBrieflyWithoutClicks()
    {
        const QString file = QString(QTest::currentDataTag()) + ".Wav";
        QFETCH(QString, heardOn);
        QFETCH(int, maxMs);
        QFETCH(int, pitch);
        const auto channels = channelsOf(file);
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

    // On one speaker, or with the desktop mixing to mono, the side is lost: every pair of the
    // direction cues must still differ in blip count, by three semitones in pitch, or in glide.
    void directionsDifferInMono()
    {
        const char* names[] = {"Left", "Right", "Up", "Down"};
        Heard heard[4];
        for (int i = 0; i < 4; ++i) {
            const auto channels = channelsOf(QString(names[i]) + ".Wav");
            QVERIFY2(!channels[0].isEmpty(), names[i]);
            QList<int> mono;
            for (qsizetype k = 0; k < channels[0].size(); ++k)
                mono << channels[0][k] + channels[1][k];
            heard[i] = listen(mono);
            qInfo("%-5s mono: %d blip(s), %.0f Hz, glide %+.1f semitones", names[i], heard[i].blips,
                  heard[i].hz, heard[i].glideSemitones);
            QVERIFY2(glideOf(heard[i]) != 2, names[i]);
        }
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                const double apart = std::abs(12 * std::log2(heard[a].hz / heard[b].hz));
                QVERIFY2(
                    heard[a].blips != heard[b].blips || apart >= 3 ||
                        glideOf(heard[a]) != glideOf(heard[b]),
                    qPrintable(QStringLiteral("%1 and %2 sound alike").arg(names[a], names[b])));
            }
    }

    void generatorIsReproducible()
    {
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute(GP_WAVEGEN, {dir.path()}), 0);
        for (const char* file : {"Right.Wav", "Left.Wav", "Up.Wav", "Down.Wav", "Bad.Wav",
                                 "Good.Wav", "VeryGood.Wav"}) {
            const QByteArray fresh = readBytes(dir.filePath(file));
            QVERIFY2(!fresh.isEmpty() && fresh == readBytes(GP_PROGRAM_DIR "/" + QString(file)),
                     file);
        }
    }
};

QTEST_GUILESS_MAIN(TestCueSounds)
#include "tst_cue_sounds.moc"
