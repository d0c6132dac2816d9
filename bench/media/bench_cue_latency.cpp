// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a cue takes to reach the audio device, and how long a synchronous cue holds up the
// interface compared with the sound itself.
//
// Method: SDL's disk driver writes what the device is given, at a real device's pace, to a named
// pipe that a reader thread drains, noting when the first non-zero sample after a CuePlayer::play
// call arrives. The driver writes through a stdio buffer of two device buffers that is flushed only
// when the next buffer comes after it is full: a sample reaches the pipe two buffer periods after
// it was written if it lies in the first half of a block, one period if in the second. The
// corrected figure takes that off, and the time into the cue file of its first non-zero sample.

#include "media/cue_player.h"
#include "media/sdl_audio_output.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace gp;

using namespace std::chrono;

namespace {

// The disk driver sleeps a device buffer's period (512 frames) in whole milliseconds, so it runs
// about 5% faster than a sound card would.
constexpr double kPeriodMs = 512 * 1000 / 44100;
constexpr int kFlushBytes = 4096; // the disk driver's stdio buffer

double nowMs()
{
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void runEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QByteArray samplesOf(const QString& file)
{
    QFile f(QStringLiteral(GP_PROGRAM_DIR "/") + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll().mid(44) : QByteArray();
}

// Reads the pipe for as long as the device keeps it open, and again when it is reopened.
struct PipeListener
{
    QByteArray path;
    std::atomic<double> armedAt{0}; // set by the player: look for sound from now on
    std::atomic<double> heardAt{0};
    std::atomic<bool> firstHalf{false};
    std::atomic<bool> stop{false};

    void run()
    {
        std::vector<char> buf(1 << 16);
        while (!stop) {
            const int fd = ::open(path.constData(), O_RDONLY);
            long long total = 0;
            ssize_t n;
            while ((n = ::read(fd, buf.data(), buf.size())) > 0) {
                const double at = nowMs();
                if (armedAt > 0 && heardAt == 0) {
                    const auto* s = reinterpret_cast<const qint16*>(buf.data());
                    for (ssize_t i = 0; i < n / 2; ++i) {
                        if (s[i] != 0) {
                            firstHalf = (total + 2 * i) % kFlushBytes < kFlushBytes / 2;
                            heardAt = at;
                            break;
                        }
                    }
                }
                total += n;
            }
            ::close(fd);
        }
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    PipeListener pipe;
    pipe.path = QFile::encodeName(dir.filePath("device.raw"));
    ::mkfifo(pipe.path.constData(), 0600);
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", pipe.path);
    std::thread listener([&] { pipe.run(); });

    // Where the Left cue's first audible sample lies in its own file.
    const QByteArray left = samplesOf("Left.Wav");
    const auto* ls = reinterpret_cast<const qint16*>(left.constData());
    qsizetype lead = 0;
    while (lead < left.size() / 2 && ls[lead] == 0)
        ++lead;
    const double leadMs = double(lead / 2) * 1000.0 / 44100;

    SdlAudioOutput out({}, 2500ms);
    CuePlayer cues(
        QStringLiteral(GP_PROGRAM_DIR), [] { return true; }, out);

    std::vector<double> raw, corrected;
    for (int run = 0; run < 21; ++run) {
        pipe.heardAt = 0;
        pipe.armedAt = nowMs();
        cues.play("Left");
        while (pipe.heardAt == 0)
            std::this_thread::sleep_for(1ms);
        const double r = pipe.heardAt - pipe.armedAt;
        const double c = r - (pipe.firstHalf ? 2 : 1) * kPeriodMs - leadMs;
        if (run == 0)
            std::printf("first cue (SDL start-up and device open included): %.1f ms, corrected "
                        "%.1f ms\n",
                        r, c);
        else
            raw.push_back(r), corrected.push_back(c);
        pipe.armedAt = 0;
        std::this_thread::sleep_for(300ms);
    }
    std::printf("play(\"Left\") to first sound at the device, open device, %zu runs:\n"
                "  raw       min %.1f  median %.1f  max %.1f ms\n"
                "  corrected min %.1f  median %.1f  max %.1f ms\n",
                raw.size(), *std::min_element(raw.begin(), raw.end()), median(raw),
                *std::max_element(raw.begin(), raw.end()),
                *std::min_element(corrected.begin(), corrected.end()), median(corrected),
                *std::max_element(corrected.begin(), corrected.end()));

    std::printf("synchronous cue wall time against the sound's length:\n");
    for (const char* name : {"Right", "Left", "Up", "Down"}) {
        const double length = samplesOf(QString(name) + ".Wav").size() * 1000.0 / (44100 * 4);
        std::vector<double> over;
        for (int run = 0; run < 10; ++run) {
            const double t0 = nowMs();
            cues.play(name);
            over.push_back(nowMs() - t0 - length);
            std::this_thread::sleep_for(100ms);
        }
        std::printf("  %-5s %.0f ms sound: over by median %.1f, max %.1f ms\n", name, length,
                    median(over), *std::max_element(over.begin(), over.end()));
    }

    std::printf("CPU while idle, 2 s each:\n");
    cues.play("Up");
    double c0 = cpuSeconds();
    runEvents(2000);
    std::printf("  device open (%s): %.2f%%\n", out.isDeviceOpen() ? "yes" : "no",
                (cpuSeconds() - c0) / 2 * 100);
    runEvents(1000);
    c0 = cpuSeconds();
    runEvents(2000);
    std::printf("  device closed (%s): %.2f%%\n", out.isDeviceOpen() ? "no" : "yes",
                (cpuSeconds() - c0) / 2 * 100);

    // Wake the listener out of its open() so that it can see the stop.
    pipe.stop = true;
    ::close(::open(pipe.path.constData(), O_WRONLY | O_NONBLOCK));
    listener.join();
    return 0;
}
