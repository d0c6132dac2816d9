#pragma once

// The main window's handlers: start-up, the menu commands, the done button, the game and its
// hints. They act on the shared game state and on the window's controls.

#include "game/game_clock.h"
#include "game/game_state.h"

#include <QObject>
#include <functional>
#include <memory>

namespace gp {

class AudioOutput;
class CuePlayer;
class DragHandlers;
class Form1;
class GameLoop;
class PartDragger;
class RecordStore;

// What the handlers need from outside the window; every member may be left empty for the real
// thing, and tests put doubles there.
struct ControllerServices
{
    const GameClock* clock = nullptr;
    std::function<void(const QString& cue)> playCue;
    std::function<int(const QString& prompt, int style)> msgBox;
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
    MainController(GameState& state, Form1& form, ControllerServices services = {},
                   QObject* parent = nullptr);
    ~MainController() override;

    GameState& state() { return m_state; }
    Form1& form() { return m_form; }
    GameLoop& gameLoop() { return *m_loop; }
    DragHandlers& dragHandlers() { return *m_drag; }

    // False when the program is to end at once (a refused record).
    bool Form_Load();
    void FIN_Click();
    void Form_QueryUnload(bool& cancel);
    // The desktop session ends or the process is told to terminate: saves the record as a
    // confirmed exit does and ends the program without asking.
    void endSession();

    void start_Click();
    void GAL_A_Click();
    void GAL_B_Click();
    void Pause_Click();
    void SilentMode_OnOFF_Click();
    void Command1_Click();
    void Timer1_Timer();

private:
    void connectCommands();
    void selectGirl(int girl);
    int msgBox(const QString& prompt, int style);
    void playCue(const QString& cue);
    // Recomputes the check value and saves the record; tells the player when that failed.
    void saveRecord();
    void endProgram();
    void openNewRecordDialog();

    GameState& m_state;
    Form1& m_form;
    ControllerServices m_services;
    SteadyGameClock m_steadyClock;
    std::unique_ptr<GameLoop> m_loop;
    std::unique_ptr<DragHandlers> m_drag;
    std::unique_ptr<PartDragger> m_dragger;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<AudioOutput> m_audio;
    std::unique_ptr<CuePlayer> m_cues;
    bool m_ending = false;
};

} // namespace gp
