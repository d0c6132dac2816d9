// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// A mono track of samples in [-1, 1] at the cue sounds' rate.
using Track = std::vector<double>;

constexpr int kSampleRate = 44100;

// One soft note: a sine with a few quiet harmonics under a smooth envelope, optionally gliding
// from one pitch to another so that a direction can be heard in it.
struct Note
{
    double startHz = 440.0;
    double endHz = 440.0;
    double at = 0.0;     // seconds from the start of the track
    double length = 0.2; // seconds, release included
    double gain = 1.0;
    std::vector<double> harmonics{1.0}; // amplitude of the fundamental, 2nd, 3rd, ...
    double attack = 0.010;              // rise from silence, seconds
    double release = 0.050;             // fall back to silence at the end, seconds
    double decay = 0.0;                 // seconds for the sustain to fall to 1/e; 0 keeps it level
};

// Mixes the note into the track, growing the track as far as the note reaches.
void addNote(Track& track, const Note& note);

// Scales the track so that its loudest sample lies at peak (full scale is 1).
void normalise(Track& track, double peak);
