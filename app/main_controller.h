// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window's handlers: start-up, the menu commands, the done button, the game and its
// hints. They act on the shared game state and on the window's controls.

#include "game/game_services.h"
#include "game/game_state.h"
#include "game/record.h"

#include <QObject>
#include <memory>

namespace gp {

class DragRules;
class GameLoop;
class MainWindow;
class PartDragger;
class RecordStore;
class SpokenServices;

class MainController : public QObject
{
    Q_OBJECT

public:
    // services: the window's own (WindowServices) when null. recordFile: where the record is
    // kept, the user's YRM.ini when empty.
    MainController(GameState& state, MainWindow& window, GameServices* services = nullptr,
                   const QString& recordFile = {}, QObject* parent = nullptr);
    ~MainController() override;

    GameState& state() { return m_state; }
    Record& record() { return m_record; }
    MainWindow& window() { return m_window; }
    GameLoop& gameLoop() { return *m_loop; }
    DragRules& dragRules() { return *m_dragRules; }

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

    void startGame();
    void stopGame();
    void chooseGirl(int girl);
    void toggleSound();
    void declareDone();
    void hintTick();

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
    // log. screenAlive: the name dialog may still be closed.
    void saveUnasked(bool screenAlive);
    void endProgram();
    void showAbout();

    GameState& m_state;
    MainWindow& m_window;
    Record m_record;
    std::unique_ptr<GameServices> m_ownServices;
    std::unique_ptr<SpokenServices> m_spokenServices;
    GameServices& m_services;
    bool m_soundOn = true;
    QString m_helpFile;
    std::unique_ptr<GameLoop> m_loop;
    std::unique_ptr<DragRules> m_dragRules;
    std::unique_ptr<PartDragger> m_dragger;
    std::unique_ptr<RecordStore> m_store;
    bool m_ending = false;
};

} // namespace gp
