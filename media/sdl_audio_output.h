// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/audio_output.h"

#include <QByteArray>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace gp {

// Plays wave files through SDL's audio subsystem. The device is opened on the first cue and
// closed again after a spell of silence: an open SDL device keeps its mixing thread waking up
// even when paused, and the game must idle at no cost. A device that cannot be had is asked for
// once only; from then on the cues are silent.
class SdlAudioOutput : public AudioOutput
{
public:
    // beep: the desktop's default sound, for a cue that cannot be played; none when empty.
    explicit SdlAudioOutput(std::function<void()> beep = {},
                            std::chrono::milliseconds idleClose = std::chrono::seconds(3));
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool play(const QString& path, PlayMode mode) override;
    void beep() override;

    bool isDeviceOpen() const { return m_device != 0; }

private:
    std::optional<QByteArray> loadSamples(const QString& path) const;
    bool openDevice();
    void closeDevice();
    void waitUntilHeard(std::chrono::milliseconds length);
    void closeIfSilent();

    std::function<void()> m_beep;
    quint32 m_device = 0;
    bool m_subsystemUp = false;
    bool m_unavailable = false;
    QTimer m_idleTimer;
};

} // namespace gp
