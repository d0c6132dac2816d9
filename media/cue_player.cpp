// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/cue_player.h"

#include <QDir>

#include <utility>

namespace gp {

namespace {

struct CueRow
{
    const char* name;
    const char* file;
    PlayMode mode;
};

// Direction cues hold up the interface on purpose: the hint must be heard before the drag goes
// on. Rating cues play on while the score is shown.
constexpr CueRow kCues[] = {
    {"Right", "Right.Wav", PlayMode::Synchronous},
    {"Left", "Left.Wav", PlayMode::Synchronous},
    {"Up", "Up.Wav", PlayMode::Synchronous},
    {"Down", "Down.Wav", PlayMode::Synchronous},
    {"Bad", "Bad.Wav", PlayMode::Asynchronous},
    {"Good", "Good.Wav", PlayMode::Asynchronous},
    {"VeryGood", "VeryGood.Wav", PlayMode::Asynchronous},
};

} // namespace

CuePlayer::CuePlayer(QString programDir, std::function<bool()> soundOn, AudioOutput& output)
    : m_programDir(std::move(programDir)), m_soundOn(std::move(soundOn)), m_output(output)
{
}

void CuePlayer::play(const QString& name)
{
    for (const CueRow& row : kCues) {
        if (name != QLatin1String(row.name))
            continue;
        // QDir joins with exactly one separator, also for a program folder at the root.
        const QString path = QDir(m_programDir).filePath(QLatin1String(row.file));
        // Read only now, so a switch flipped during the previous cue counts for this one.
        if (!m_soundOn())
            return;
        if (!m_output.play(path, row.mode))
            m_output.beep();
        return;
    }
}

} // namespace gp
