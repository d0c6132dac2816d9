// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// gp-wavegen <outdir>: synthesises the seven cue sounds the game plays from its folder. The same
// bytes come out on every run, so the build is reproducible.

#include "synth.h"
#include "wave_file.h"

#include <cstdio>
#include <string>

namespace {

// Loudness kept well under full scale: the direction cues come once a second during a drag and
// must not tire the ear; the jingles may stand out a little more.
constexpr double kDirectionPeak = 0.40; // about -8 dBFS
constexpr double kJinglePeak = 0.50;    // about -6 dBFS

const std::vector<double> kMellow{1.0, 0.25, 0.08};
const std::vector<double> kBright{1.0, 0.40, 0.18, 0.08};

// Musical pitches, Hz.
constexpr double kC4 = 261.63, kEb4 = 311.13, kG4 = 392.00, kA4 = 440.00;
constexpr double kC5 = 523.25, kE5 = 659.26, kG5 = 783.99;
constexpr double kC6 = 1046.50, kE6 = 1318.51, kG6 = 1567.98;

struct Cue
{
    const char* file;
    Track left;
    Track right;
};

// Soft blips of one pitch. Left and Right are not told apart by their side alone, which one
// speaker or a mono mix loses: Left is a low double blip, Right a high single one.
Track blips(double hz, int count, double length)
{
    constexpr double gap = 0.04; // heard as a break between blips, not as a flutter
    Track t;
    for (int i = 0; i < count; ++i)
        addNote(t, {.startHz = hz,
                    .endHz = hz,
                    .at = (length + gap) * i,
                    .length = length,
                    .harmonics = kMellow,
                    .attack = 0.008,
                    .release = 0.035});
    normalise(t, kDirectionPeak);
    return t;
}

Track glide(double fromHz, double toHz)
{
    Track t;
    addNote(t, {.startHz = fromHz,
                .endHz = toHz,
                .length = 0.22,
                .harmonics = kMellow,
                .attack = 0.015,
                .release = 0.070});
    normalise(t, kDirectionPeak);
    return t;
}

// A descending minor motif whose last note sags: a sigh.
Track bad()
{
    Track t;
    const Note base{.length = 0.30,
                    .gain = 1.0,
                    .harmonics = kMellow,
                    .attack = 0.020,
                    .release = 0.080,
                    .decay = 0.6};
    Note n = base;
    n.startHz = n.endHz = kG4;
    addNote(t, n);
    n.startHz = n.endHz = kEb4;
    n.at = 0.27;
    addNote(t, n);
    n.startHz = kC4;
    n.endHz = kC4 * 0.96;
    n.at = 0.54;
    n.length = 0.56;
    n.release = 0.25;
    addNote(t, n);
    normalise(t, kJinglePeak);
    return t;
}

// A rising major triad settling on its fifth: content, not yet a fanfare.
Track good()
{
    Track t;
    const double pitches[] = {kC5, kE5, kG5};
    for (int i = 0; i < 3; ++i) {
        const bool last = i == 2;
        addNote(t, {.startHz = pitches[i],
                    .endHz = pitches[i],
                    .at = 0.13 * i,
                    .length = last ? 0.55 : 0.18,
                    .harmonics = kMellow,
                    .attack = 0.010,
                    .release = last ? 0.25 : 0.06,
                    .decay = last ? 0.4 : 0.0});
    }
    normalise(t, kJinglePeak);
    return t;
}

// A quick arpeggio up two octaves landing on a bright ringing chord.
Track veryGood()
{
    Track t;
    const double run[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i)
        addNote(t, {.startHz = run[i],
                    .endHz = run[i],
                    .at = 0.10 * i,
                    .length = 0.14,
                    .harmonics = kBright,
                    .attack = 0.008,
                    .release = 0.05});
    for (double hz : {kG5, kC6, kE6, kG6})
        addNote(t, {.startHz = hz,
                    .endHz = hz,
                    .at = 0.40,
                    .length = 0.85,
                    .gain = 0.8,
                    .harmonics = kBright,
                    .attack = 0.010,
                    .release = 0.35,
                    .decay = 0.6});
    normalise(t, kJinglePeak);
    return t;
}

Track silence(const Track& like)
{
    return Track(like.size(), 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gp-wavegen <outdir>\n");
        return 2;
    }
    const std::string dir = argv[1];

    const Track leftward = blips(kA4, 2, 0.07);
    const Track rightward = blips(kC6, 1, 0.12);
    const Track up = glide(520.0, 880.0);
    const Track down = glide(880.0, 520.0);
    const Track sigh = bad(), fine = good(), triumph = veryGood();
    const Cue cues[] = {
        {"Right.Wav", silence(rightward), rightward},
        {"Left.Wav", leftward, silence(leftward)},
        {"Up.Wav", up, up},
        {"Down.Wav", down, down},
        {"Bad.Wav", sigh, sigh},
        {"Good.Wav", fine, fine},
        {"VeryGood.Wav", triumph, triumph},
    };
    for (const Cue& cue : cues) {
        const std::string path = dir + "/" + cue.file;
        if (!writeWaveFile(path, cue.left, cue.right)) {
            std::fprintf(stderr, "gp-wavegen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
