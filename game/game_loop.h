// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One game from the start command to its score. Instead of spinning, the loop runs a pass when
// something can have changed: when the elapsed whole second moves on, and at once when the done
// button or the stop command has ended the game.

#include "game/game_board.h"
#include "game/game_clock.h"
#include "game/game_state.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace gp {

struct GameServices
{
    const GameClock* clock = nullptr;
    std::function<void(const QString& cue)> playCue;
    // Modal "time is up" message, shown while the covers are still on.
    std::function<void()> showTimeOut;
    // Modal name entry for a new record.
    std::function<void()> openNewRecordDialog;
    // True while another modal window holds the interface; passes wait until it closes, so its
    // time still counts and the time-out follows as soon as it is gone.
    std::function<bool()> modalWindowOpen;
};

class GameLoop : public QObject
{
    Q_OBJECT

public:
    GameLoop(GameState& state, GameBoard& board, GameServices services, QObject* parent = nullptr);

    void start();

    // A pass: ends the game if it has stopped or timed out, else updates the gauge and waits.
    void pass();
    bool isWaiting() const { return m_waiting; }

private:
    void scheduleNextPass();
    void endGame();
    void scoreGame();

    GameState& m_state;
    GameBoard& m_board;
    GameServices m_services;
    QTimer m_wake;
    std::int32_t m_startSecond = 0;
    bool m_waiting = false;
    bool m_inPass = false;
};

} // namespace gp
