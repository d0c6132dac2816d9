// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A main window on the offscreen platform with a hand-wound clock and doubles for sound, message
// boxes and the name entry, so whole games run headless and deterministic.

#include "app/main_controller.h"
#include "game/game_model.h"
#include "game/game_services.h"
#include "records/record_store.h"
#include "tests/support/test_files.h"
#include "ui/announcer.h"
#include "ui/backdrop.h"
#include "ui/main_window.h"
#include "ui/sprite.h"
#include "ui/status_frame.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

struct GameFixture : gp::GameServices
{
    double now = 5000.25; // the clock, wound by hand
    QStringList cues;
    QStringList messages;
    bool coversOnAtMessage = false;
    int newRecordDialogs = 0;
    int programEnds = 0;
    QList<bool> answers; // message box answers to give (true: OK), OK once they run out
    QStringList spoken;  // what a screen reader was told, in order
    // Besides counting: what the name entry does with the new record.
    std::function<void(gp::Record&)> onRecordHolderAsked;
    QTemporaryDir dir;
    gp::GameModel model;
    std::unique_ptr<gp::MainWindow> window;
    std::unique_ptr<gp::MainController> controller;

    explicit GameFixture(bool load = true)
    {
        window = std::make_unique<gp::MainWindow>(model);
        controller = std::make_unique<gp::MainController>(model, *window, this, recordFile());
        QObject::connect(controller.get(), &gp::MainController::programEnding,
                         [this] { ++programEnds; });
        QObject::connect(window->announcer(), &gp::Announcer::announced,
                         [this](const QString& text) { spoken << text; });
        if (load)
            loaded = controller->startUp();
    }

    double seconds() const override { return now; }
    void playCue(const QString& cue) override { cues << cue; }
    bool showMessage(gp::MessageKind kind, const QString& text) override
    {
        const char* kinds[] = {"confirmation", "information", "warning", "critical", "plain"};
        messages << text + QLatin1Char('|') + QLatin1String(kinds[int(kind)]);
        coversOnAtMessage = window->cover(gp::GirlA)->isVisible();
        return answers.isEmpty() || answers.takeFirst();
    }
    void askRecordHolder(gp::Record& record) override
    {
        ++newRecordDialogs;
        if (onRecordHolderAsked)
            onRecordHolderAsked(record);
    }
    bool modalWindowOpen() const override { return QApplication::activeModalWidget() != nullptr; }

    QString recordFile() const { return dir.filePath(QStringLiteral("YRM.ini")); }
    gp::Record savedRecord() const { return loadRecord(recordFile()); }
    bool loaded = false;

    // Moves the clock on and lets the waiting game run its pass.
    void advanceTo(double secondsAfterStart, double startedAt)
    {
        now = startedAt + secondsAfterStart;
        model.pass();
    }

    // The record as if read at start-up.
    void holdRecord(const QString& holder, int score)
    {
        model.setRecord({holder, std::int16_t(score), 0});
    }

    // During a game: takes the part by its corner and drops it on the play area with its corner
    // at the place.
    void putPart(int girl, int part, float left, float top)
    {
        model.pressPart(girl, part, 0, 0);
        model.dropOnPlayArea(girl, part, left, top);
    }

    // Lays every part of the girl on its target, the mouth `mouthOff` pixels to the right.
    void placeParts(int girl, double mouthOff = 0)
    {
        for (int p = 0; p < gp::kPartCount; ++p) {
            const QSize s = gp::kPartSizes[girl][p];
            const double off = p == 5 ? mouthOff : 0;
            putPart(girl, p, float(gp::kTargets[girl][p].x() - s.width() / 2.0 + off),
                    float(gp::kTargets[girl][p].y() - s.height() / 2.0));
        }
    }
};
