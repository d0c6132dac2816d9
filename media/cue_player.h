// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/audio_output.h"

#include <QString>

#include <functional>

namespace gp {

// Turns a cue name into the wave file beside the program and plays it while the sound switch
// reads "ON". Holds no widgets: the switch is whatever caption the given function returns.
class CuePlayer
{
public:
    // programDir: the program's folder (QCoreApplication::applicationDirPath() in the game).
    // soundSwitch: returns the current caption of the sound switch; read on every cue.
    CuePlayer(QString programDir, std::function<QString()> soundSwitch, AudioOutput& output);

    // "Right", "Left", "Up" and "Down" return once the sound has finished; "Bad", "Good" and
    // "VeryGood" return at once. Names are compared exactly; any other name does nothing, the
    // switch is not even read. An unreadable wave file gives the desktop's default sound.
    void play(const QString& name);

private:
    QString m_programDir;
    std::function<QString()> m_soundSwitch;
    AudioOutput& m_output;
};

} // namespace gp
