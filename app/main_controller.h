#pragma once

// The main window's handlers: start-up, the menu commands and the done button. They act on the
// shared game state and on the window's controls.

#include "game/game_state.h"

#include <QObject>
#include <memory>

namespace gp {

class Form1;

class MainController : public QObject
{
    Q_OBJECT

public:
    MainController(GameState& state, Form1& form, QObject* parent = nullptr);
    ~MainController() override;

    GameState& state() { return m_state; }
    Form1& form() { return m_form; }

    void Form_Load();

    void GAL_A_Click();
    void GAL_B_Click();
    void Pause_Click();
    void SilentMode_OnOFF_Click();
    void Command1_Click();

private:
    void connectCommands();
    void selectGirl(int girl);

    GameState& m_state;
    Form1& m_form;
};

} // namespace gp
