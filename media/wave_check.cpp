// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/wave_check.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace gp {

namespace {

std::uint32_t littleEndian32(QByteArrayView bytes, qsizetype at)
{
    return std::uint32_t(std::uint8_t(bytes[at])) |
           std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
}

// Every chunk must lie inside the file: SDL allocates what a chunk header claims before it finds
// out that the bytes are not there.
bool chunksFit(QByteArrayView wave)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.sliced(8, 4) != "WAVE")
        return false;
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const qsizetype length = littleEndian32(wave, at + 4);
        if (length > wave.size() - at - 8)
            return false;
        at += 8 + length + (length & 1);
    }
    return true;
}

// The sample formats SDL's wave loader delivers, compressed ones already decoded to 16 bits.
bool knownFormat(SDL_AudioFormat format)
{
    return format == AUDIO_U8 || format == AUDIO_S16LSB || format == AUDIO_S32LSB ||
           format == AUDIO_F32LSB;
}

bool withinLimits(const SDL_AudioSpec& spec, Uint32 length)
{
    if (!knownFormat(spec.format) || spec.channels < 1 || spec.channels > 2 ||
        spec.freq < kMinCueRate || spec.freq > kMaxCueRate)
        return false;
    const qint64 bytesPerSecond =
        qint64(spec.freq) * spec.channels * SDL_AUDIO_BITSIZE(spec.format) / 8;
    return length <= bytesPerSecond * kMaxCueLength.count();
}

} // namespace

std::optional<QByteArray> decodeCue(QByteArrayView wave, SampleFormat target)
{
    if (wave.size() > kMaxCueFileSize || !chunksFit(wave))
        return std::nullopt;
    SDL_RWops* stream = SDL_RWFromConstMem(wave.data(), int(wave.size()));
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!stream || !SDL_LoadWAV_RW(stream, 1, &spec, &buffer, &length))
        return std::nullopt;
    const std::unique_ptr<Uint8, void (*)(Uint8*)> loaded(buffer, SDL_FreeWAV);
    if (!withinLimits(spec, length))
        return std::nullopt;

    SDL_AudioCVT cvt{};
    const int needed =
        SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq,
                          SDL_AudioFormat(target.format), Uint8(target.channels), target.rate);
    const qint64 capacity = qint64(length) * std::max(cvt.len_mult, 1);
    if (needed < 0 || capacity > INT_MAX)
        return std::nullopt;
    QByteArray samples(capacity, Qt::Uninitialized);
    std::copy_n(buffer, length, samples.data());
    if (needed == 0)
        return samples;
    cvt.buf = reinterpret_cast<Uint8*>(samples.data());
    cvt.len = int(length);
    if (SDL_ConvertAudio(&cvt) != 0)
        return std::nullopt;
    samples.truncate(cvt.len_cvt);
    return samples;
}

} // namespace gp
