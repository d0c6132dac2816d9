// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/audio_output.h"

#include <QString>

#include <functional>

namespace gp {

// Turns a cue name into the wave file beside the program and plays it while the sound is on.
// Holds no widgets: the switch is whatever the given function returns.
class CuePlayer
{
public:
    // programDir: the program's folder (QCoreApplication::applicationDirPath() in the game).
    // soundOn: the sound switch; read on every cue.
    CuePlayer(QString programDir, std::function<bool()> soundOn, AudioOutput& output);

    // "Right", "Left", "Up" and "Down" return once the sound has finished; "Bad", "Good" and
    // "VeryGood" return at once. Names are compared exactly; any other name does nothing, the
    // switch is not even read. An unreadable wave file gives the desktop's default sound.
    void play(const QString& name);

private:
    QString m_programDir;
    std::function<bool()> m_soundOn;
    AudioOutput& m_output;
};

} // namespace gp
