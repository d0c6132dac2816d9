// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A running game with no input: the CPU it uses over 10 s, the period and jitter of the hint
// tick, and the latency from a click on the done button to the score on its panel.

#include "app/main_controller.h"
#include "app/window_services.h"
#include "game/game_model.h"
#include "ui/main_window.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    gp::GameModel model;
    gp::MainWindow window(model);
    // The real clock and message boxes; no sound and no name entry in the way of the timing.
    struct QuietServices : gp::WindowServices
    {
        using WindowServices::WindowServices;
        void playCue(const QString&) override {}
        void askRecordHolder(gp::Record&) override {}
    } services(window, [] { return false; });
    gp::MainController controller(model, window, &services);
    controller.startUp();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    // A part is carried the whole time so that every tick does its full work. With --idle no game
    // runs, which gives the window's own baseline.
    const bool idle = argc > 1 && qstrcmp(argv[1], "--idle") == 0;
    if (!idle) {
        model.startGame();
        model.pressPart(gp::GirlA, 0, 0, 0);
    }
    std::vector<double> ticks;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&model, &gp::GameModel::hintGiven,
                     [&] { ticks.push_back(clock.nsecsElapsed() / 1e6); });

    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    // A plain event loop: QTest::qWait would poll and measure itself.
    QEventLoop wait;
    QTimer::singleShot(10000, &wait, &QEventLoop::quit);
    wait.exec();
    const double cpu = cpuSeconds() - cpu0;
    const double secs = wall.nsecsElapsed() / 1e9;
    std::printf("%s: %.1f ms CPU over %.2f s = %.3f %% of one core\n",
                idle ? "no game" : "game, no input", cpu * 1000, secs, cpu / secs * 100);

    std::vector<double> periods;
    for (size_t i = 1; i < ticks.size(); ++i)
        periods.push_back(ticks[i] - ticks[i - 1]);
    if (!periods.empty()) {
        const auto [lo, hi] = std::minmax_element(periods.begin(), periods.end());
        double sum = 0;
        for (double p : periods)
            sum += p;
        std::printf("hint tick: %zu periods, mean %.2f ms, min %.2f, max %.2f (jitter %.2f ms)\n",
                    periods.size(), sum / double(periods.size()), *lo, *hi, *hi - *lo);
    }

    std::vector<double> latencies;
    for (int i = 0; i < 20; ++i) {
        if (i > 0)
            model.startGame();
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(window.statusFrame()->doneButton(), Qt::LeftButton);
        window.statusFrame()->scorePanel()->repaint();
        latencies.push_back(t.nsecsElapsed() / 1e6);
        if (window.statusFrame()->scorePanel()->caption().isEmpty())
            std::puts("score caption missing");
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("done click to painted score: median %.2f ms, worst %.2f ms (20 games)\n",
                latencies[latencies.size() / 2], latencies.back());
    return 0;
}
