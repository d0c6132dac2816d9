// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The gate every cue file passes before SDL's converter sees it. SDL converts in int and sizes
// nothing for extreme rates, so a file outside these limits is refused like a missing one.

#include <QByteArray>
#include <QByteArrayView>

#include <chrono>
#include <cstdint>
#include <optional>

namespace gp {

constexpr int kMinCueRate = 8000;
constexpr int kMaxCueRate = 192000;
constexpr std::chrono::seconds kMaxCueLength{5};
// Five seconds of 32-bit stereo at the highest rate, with room for the header.
constexpr qsizetype kMaxCueFileSize = 8 * 1024 * 1024;

// The format the samples are converted to; SDL's AUDIO_* value for the sample format.
struct SampleFormat
{
    std::uint16_t format = 0;
    int channels = 0;
    int rate = 0;
};

// The wave file's samples in the target format, or nothing when the file is no well-formed RIFF
// wave, SDL cannot read it, or its rate, channels, sample format or length lie outside the limits.
std::optional<QByteArray> decodeCue(QByteArrayView wave, SampleFormat target);

} // namespace gp
