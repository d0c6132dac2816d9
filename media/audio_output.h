// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace gp {

// Whether a play call waits for its sound to be heard out or returns as soon as it has started.
enum class PlayMode { Synchronous, Asynchronous };

// Where the cues are heard. A seam so that the cue logic runs without a sound card.
class AudioOutput
{
public:
    virtual ~AudioOutput() = default;

    // Plays a wave file, cutting off any sound still playing. Synchronous calls return once the
    // sound has been heard out. False only when the file cannot be read; a missing audio device
    // is no failure: the game simply goes on silently.
    virtual bool play(const QString& path, PlayMode mode) = 0;

    // The desktop's default sound, standing in for a cue whose file is missing or unreadable.
    virtual void beep() = 0;
};

} // namespace gp
