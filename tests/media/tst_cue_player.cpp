// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/cue_player.h"

#include <QTest>

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

} // namespace

class TestCuePlayer : public QObject
{
    Q_OBJECT

private slots:
    // Direction cues wait until heard, ratings play on; the file lies in the program's folder,
    // also at the root. Other names, however close, do nothing and leave the switch unread.
    void eachCueNamePlaysItsFileInItsMode()
    {
        const QString dir = "/opt/ギャル";
        QStringList names{"Right", "Left", "Up", "Down", "Bad", "Good", "VeryGood"};
        QStringList expected;
        QList<PlayMode> modes;
        for (const QString& name : names) {
            expected << dir + "/" + name + ".Wav";
            modes << (modes.size() < 4 ? PlayMode::Synchronous : PlayMode::Asynchronous);
        }
        FakeOutput out;
        int switchReads = 0;
        CuePlayer cues(
            dir, [&] { return ++switchReads, true; }, out);
        names += QStringList{"left", "VERYGOOD", "Up ", "", "Right.Wav", "Neutral"};
        for (const QString& name : names)
            cues.play(name);
        QCOMPARE(out.paths, expected);
        QCOMPARE(out.modes, modes);
        QCOMPARE(switchReads, 7);
        QCOMPARE(out.beeps, 0);
        CuePlayer atRoot(
            "/", [] { return true; }, out);
        atRoot.play("Left");
        QCOMPARE(out.paths.last(), QStringLiteral("/Left.Wav"));
    }

    // Only a switched-on sound is heard, and a flip takes effect at the very next cue.
    void switchReadOnEveryCue()
    {
        FakeOutput out;
        const QList<bool> switchStates{true, false, false, true};
        qsizetype reads = 0;
        CuePlayer cues(
            "/g", [&] { return switchStates.value(reads++); }, out);
        for (const char* name : {"Up", "Down", "Bad", "VeryGood"})
            cues.play(name);
        QCOMPARE(reads, switchStates.size());
        QCOMPARE(out.paths, (QStringList{"/g/Up.Wav", "/g/VeryGood.Wav"}));
    }

    void unreadableFileBeepsOnce()
    {
        FakeOutput out;
        out.readable = false;
        bool soundOn = true;
        CuePlayer cues(
            "/g", [&] { return soundOn; }, out);
        cues.play("Down");
        soundOn = false;
        cues.play("Down");
        QCOMPARE(out.paths, QStringList{"/g/Down.Wav"});
        QCOMPARE(out.beeps, 1);
    }
};

QTEST_APPLESS_MAIN(TestCuePlayer)
#include "tst_cue_player.moc"
