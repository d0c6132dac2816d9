// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Wires the main window's commands to the game model, and keeps the record: loaded at start-up,
// saved at every way out.

#include "game/game_services.h"

#include <QObject>
#include <atomic>
#include <memory>

namespace gp {

class GameModel;
class MainWindow;
class RecordStore;
class SpokenServices;

class MainController : public QObject
{
    Q_OBJECT

public:
    // services: the window's own (WindowServices) when null. recordFile: where the record is
    // kept, the user's YRM.ini when empty.
    MainController(GameModel& model, MainWindow& window, GameServices* services = nullptr,
                   const QString& recordFile = {}, QObject* parent = nullptr);
    ~MainController() override;

    // Shows the window idle with girl A and loads the record; false when the program is to end
    // at once (a refused record).
    bool startUp();
    // Asks, and on OK saves the record and ends the program; false when the player stays.
    bool quit();
    // A close request: the same question, unless the program is already ending.
    bool confirmClose();
    // The desktop session ends or the process is told to terminate: saves the record as a
    // confirmed exit does and ends the program without asking.
    void endSession();
    // The process is ending by a way of its own (exit() called where it broke, the display
    // lost): saves the record unless that was done or refused already. Touches no window.
    void saveOnExit();
    // Called from another thread when the process must end now and the event loop does not get
    // there (a frozen display blocks it): saves the record as it stands, with the name typed so
    // far, unless the event loop has taken the save on; then gives that a moment to finish.
    void saveFromAnotherThread();

signals:
    // The program is to end at once, without further close requests.
    void programEnding();

private:
    void connectCommands();
    bool loadRecordAtStartUp();
    // Recomputes the check value and saves the record; false when it did not reach the file,
    // and failure then says why.
    bool saveRecord(QString& failure);
    // The same with nobody there to answer: the name being typed counts, a failure goes to the
    // log. Touches no window.
    void saveUnasked();
    void endProgram();
    void showAbout();

    GameModel& m_model;
    MainWindow& m_window;
    std::unique_ptr<GameServices> m_ownServices;
    std::unique_ptr<SpokenServices> m_spokenServices;
    GameServices& m_services;
    QString m_helpFile;
    std::unique_ptr<RecordStore> m_store;
    bool m_ending = false;
    // Read by the thread that makes sure the process ends.
    std::atomic<bool> m_started = false;
    std::atomic<bool> m_saveTaken = false;
    std::atomic<bool> m_saveDone = false;
};

} // namespace gp
