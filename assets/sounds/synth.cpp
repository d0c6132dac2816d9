// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Raised cosine from 0 to 1: no corner in the waveform, so no click where a note starts or ends.
double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

} // namespace

void addNote(Track& track, const Note& note)
{
    const auto first = static_cast<std::size_t>(std::lround(note.at * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(note.length * kSampleRate));
    if (track.size() < first + count)
        track.resize(first + count, 0.0);

    double weight = 0.0;
    for (double h : note.harmonics)
        weight += std::abs(h);
    if (weight == 0.0)
        return;

    // Gliding exponentially keeps the pitch change even to the ear; the phase is accumulated so
    // the glide itself is seamless.
    const double ratio = note.endHz / note.startHz;
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = note.startHz * std::pow(ratio, t / note.length);
        double sample = 0.0;
        for (std::size_t k = 0; k < note.harmonics.size(); ++k)
            sample += note.harmonics[k] * std::sin(static_cast<double>(k + 1) * phase);
        double envelope =
            smoothStep(t / note.attack) * smoothStep((note.length - t) / note.release);
        if (note.decay > 0.0)
            envelope *= std::exp(-t / note.decay);
        track[first + i] += note.gain * envelope * sample / weight;
        phase =
            std::fmod(phase + 2.0 * std::numbers::pi * hz / kSampleRate, 2.0 * std::numbers::pi);
    }
}

void normalise(Track& track, double peak)
{
    double loudest = 0.0;
    for (double s : track)
        loudest = std::max(loudest, std::abs(s));
    if (loudest == 0.0)
        return;
    for (double& s : track)
        s *= peak / loudest;
}
