// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/test_files.h"

#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>

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
};

QTEST_GUILESS_MAIN(TestCueSounds)
#include "tst_cue_sounds.moc"
