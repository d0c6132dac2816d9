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
    void cueTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path"); // empty: nothing may happen at all
        QTest::addColumn<PlayMode>("mode");
        const auto sync = PlayMode::Synchronous, async = PlayMode::Asynchronous;
        const QString dir = "/opt/ギャル";
        QTest::newRow("Right") << "Right" << dir << dir + "/Right.Wav" << sync;
        QTest::newRow("Left") << "Left" << dir << dir + "/Left.Wav" << sync;
        QTest::newRow("Up") << "Up" << dir << dir + "/Up.Wav" << sync;
        QTest::newRow("Down") << "Down" << dir << dir + "/Down.Wav" << sync;
        QTest::newRow("Bad") << "Bad" << dir << dir + "/Bad.Wav" << async;
        QTest::newRow("Good") << "Good" << dir << dir + "/Good.Wav" << async;
        QTest::newRow("VeryGood") << "VeryGood" << dir << dir + "/VeryGood.Wav" << async;
        QTest::newRow("folder at the root") << "Left"
                                            << "/"
                                            << "/Left.Wav" << sync;
        for (const char* name : {"left", "VERYGOOD", "Up ", "", "Right.Wav", "Neutral"})
            QTest::newRow(name) << name << dir << QString() << sync;
    }

    void cueTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QFETCH(PlayMode, mode);
        FakeOutput out;
        int switchReads = 0;
        CuePlayer cues(
            folder, [&] { return ++switchReads, true; }, out);
        cues.play(name);
        QCOMPARE(out.beeps, 0);
        QCOMPARE(out.paths, path.isEmpty() ? QStringList() : QStringList{path});
        QCOMPARE(out.modes, path.isEmpty() ? QList<PlayMode>() : QList<PlayMode>{mode});
        QCOMPARE(switchReads, path.isEmpty() ? 0 : 1);
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
