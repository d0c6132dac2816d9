// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/sdl_audio_output.h"

#include "base/plain_file.h"
#include "media/wave_check.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <SDL.h>

#include <algorithm>

namespace gp {

using namespace std::chrono_literals;

namespace {

// The cue files' own format, so a cue goes to the device without conversion.
constexpr int kRate = 44100;
constexpr Uint8 kChannels = 2;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr int kBytesPerSecond = kRate * kChannels * 2;
// Small enough that a cue starts and is known to have ended within about a hundredth of a second.
constexpr Uint16 kBufferFrames = 512;
constexpr auto kBufferTime = std::chrono::milliseconds(kBufferFrames * 1000 / kRate + 1);
// However long the sound, a synchronous cue holds up the interface no longer; the rest plays on.
// A device that stops taking samples cannot hang the interface either.
constexpr auto kSynchronousCap = 1s;

std::chrono::milliseconds lengthOf(qsizetype bytes)
{
    return std::chrono::milliseconds(bytes * 1000 / kBytesPerSecond);
}

} // namespace

SdlAudioOutput::SdlAudioOutput(std::function<void()> beep, std::chrono::milliseconds idleClose)
    : m_beep(std::move(beep))
{
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(idleClose);
    QObject::connect(&m_idleTimer, &QTimer::timeout, &m_idleTimer, [this] { closeIfSilent(); });
}

SdlAudioOutput::~SdlAudioOutput()
{
    closeDevice();
    if (m_subsystemUp)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioOutput::play(const QString& path, PlayMode mode)
{
    // The file is judged before the device, so a missing file is reported the same way whether
    // or not there is anything to play it on.
    const std::optional<QByteArray> samples = loadSamples(path);
    if (!samples)
        return false;
    if (!openDevice())
        return true;

    SDL_ClearQueuedAudio(m_device);
    if (SDL_QueueAudio(m_device, samples->constData(), static_cast<Uint32>(samples->size())) != 0)
        return true;
    SDL_PauseAudioDevice(m_device, 0);
    if (mode == PlayMode::Synchronous)
        waitUntilHeard(lengthOf(samples->size()));
    m_idleTimer.start();
    return true;
}

void SdlAudioOutput::beep()
{
    if (m_beep)
        m_beep();
}

std::optional<QByteArray> SdlAudioOutput::loadSamples(const QString& path) const
{
    // A FIFO, a device or a folder under a cue's name is refused before anything is read: the
    // interface would wait on it for good.
    const PlainFileBytes file = readPlainFile(path, kMaxCueFileSize);
    if (file.state != PlainFileState::Read)
        return std::nullopt;
    return decodeCue(file.bytes, {kFormat, kChannels, kRate});
}

bool SdlAudioOutput::openDevice()
{
    if (m_device != 0)
        return true;
    if (m_unavailable)
        return false;

    if (!m_subsystemUp) {
        // SDL would otherwise take over SIGINT and SIGTERM, and the program would no longer end
        // when asked to.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            m_unavailable = true;
            qWarning("no sound: %s", SDL_GetError());
            return false;
        }
        m_subsystemUp = true;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = kFormat;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    // No changes allowed: SDL converts to the hardware's format behind the device.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (m_device == 0) {
        m_unavailable = true;
        qWarning("no sound: %s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
        return false;
    }
    return true;
}

void SdlAudioOutput::closeDevice()
{
    m_idleTimer.stop();
    if (m_device == 0)
        return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

void SdlAudioOutput::waitUntilHeard(std::chrono::milliseconds length)
{
    QElapsedTimer clock;
    clock.start();
    // Sleep through most of what is still queued, then look again in short steps.
    while (const Uint32 queued = SDL_GetQueuedAudioSize(m_device)) {
        const auto elapsed = std::chrono::milliseconds(clock.elapsed());
        if (elapsed >= kSynchronousCap) {
            // Still queued after its own length: the device has stalled.
            if (elapsed > length + kBufferTime)
                SDL_ClearQueuedAudio(m_device);
            return;
        }
        const auto left = std::min(lengthOf(queued) - kBufferTime, kSynchronousCap - elapsed);
        QThread::msleep(std::max<std::chrono::milliseconds>(1ms, left).count());
    }
    // An empty queue means the last buffer has just gone to the device; it still has to sound.
    QThread::msleep(kBufferTime.count());
}

void SdlAudioOutput::closeIfSilent()
{
    if (m_device != 0 && SDL_GetQueuedAudioSize(m_device) > 0)
        m_idleTimer.start();
    else
        closeDevice();
}

} // namespace gp
