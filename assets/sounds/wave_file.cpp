// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wave_file.h"

#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

// Little-endian whatever the host, so the bytes are the same on every machine.
void put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::int16_t quantise(double sample)
{
    const double clamped = std::fmax(-1.0, std::fmin(1.0, sample));
    return static_cast<std::int16_t>(std::lround(clamped * 32767.0));
}

} // namespace

bool writeWaveFile(const std::string& path, const Track& left, const Track& right)
{
    constexpr std::uint32_t channels = 2;
    constexpr std::uint32_t bytesPerSample = 2;
    const auto frames = static_cast<std::uint32_t>(left.size());
    const std::uint32_t dataBytes = frames * channels * bytesPerSample;

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4); // size of the format chunk
    put(out, 1, 2);  // PCM
    put(out, channels, 2);
    put(out, kSampleRate, 4);
    put(out, kSampleRate * channels * bytesPerSample, 4);
    put(out, channels * bytesPerSample, 2);
    put(out, 8 * bytesPerSample, 2);
    out += "data";
    put(out, dataBytes, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        put(out, static_cast<std::uint16_t>(quantise(left[i])), 2);
        put(out, static_cast<std::uint16_t>(quantise(right[i])), 2);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file.flush());
}
