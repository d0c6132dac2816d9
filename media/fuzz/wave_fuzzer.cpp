// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a cue file: the gate must refuse or pass them without a crash, a leak or an
// unbounded allocation, and what it passes must come out as whole frames of the device's format.

#include "media/wave_check.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView wave(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QByteArray> samples = gp::decodeCue(wave, {AUDIO_S16SYS, 2, 44100});
    // Five seconds of 16-bit stereo at 44.1 kHz, and a frame's worth of rounding.
    if (samples && (samples->size() % 4 != 0 || samples->size() > 5 * 44100 * 4 + 64))
        std::abort();
    return 0;
}
