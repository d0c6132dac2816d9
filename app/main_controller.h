// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window's handlers: start-up, the menu commands, the done button, the game and its
// hints. They act on the shared game state and on the window's controls.

#include "game/game_clock.h"
#include "game/game_state.h"
#include "ui/message_box.h"

#include <QObject>
#include <functional>
#include <memory>

namespace gp {

class AudioOutput;
class CuePlayer;
class DragRules;
class GameLoop;
class MainWindow;
class PartDragger;
class RecordStore;

// What the handlers need from outside the window; every member may be left empty for the real
// thing, and tests put doubles there.
struct ControllerServices
{
    const GameClock* clock = nullptr;
    std::function<void(const QString& cue)> playCue;
    // A modal message box; true when the player chose OK.
    std::function<bool(MessageKind kind, const QString& text)> showMessage;
    std::function<void()> openNewRecordDialog;
    // Where the record is kept; empty for the user's YRM.ini.
    QString recordFile;
    // Ends the program at once, without further close requests.
    std::function<void()> endProgram;
};

class MainController : public QObject
{
    Q_OBJECT

public:
    MainController(GameState& state, MainWindow& window, ControllerServices services = {},
                   QObject* parent = nullptr);
    ~MainController() override;

    GameState& state() { return m_state; }
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

private:
    void connectCommands();
    bool loadRecordAtStartUp();
    bool showMessage(MessageKind kind, const QString& text);
    void playCue(const QString& cue);
    // Recomputes the check value and saves the record; tells the player when that failed.
    void saveRecord();
    // The same with nobody there to answer: the name being typed counts, a failure goes to the
    // log. screenAlive: the name dialog may still be closed.
    void saveUnasked(bool screenAlive);
    void endProgram();
    void openNewRecordDialog();

    GameState& m_state;
    MainWindow& m_window;
    ControllerServices m_services;
    SteadyGameClock m_steadyClock;
    QString m_helpFile;
    std::unique_ptr<GameLoop> m_loop;
    std::unique_ptr<DragRules> m_dragRules;
    std::unique_ptr<PartDragger> m_dragger;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<AudioOutput> m_audio;
    std::unique_ptr<CuePlayer> m_cues;
    bool m_ending = false;
};

} // namespace gp
