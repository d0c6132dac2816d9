// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One game from the start command to its score. Instead of spinning, the loop runs a pass when
// something can have changed: when the elapsed whole second moves on, and at once when the done
// button or the stop command has ended the game.

#include "game/game_board.h"
#include "game/game_services.h"
#include "game/game_state.h"
#include "game/record.h"

#include <QObject>
#include <QTimer>

namespace gp {

class GameLoop : public QObject
{
    Q_OBJECT

public:
    GameLoop(GameState& state, Record& record, GameBoard& board, GameServices& services,
             QObject* parent = nullptr);

    void start();

    // A pass: ends the game if it has stopped or timed out, else updates the gauge and waits.
    void pass();
    bool isWaiting() const { return m_waiting; }

private:
    void scheduleNextPass();
    void endGame();
    void scoreGame();

    GameState& m_state;
    Record& m_record;
    GameBoard& m_board;
    GameServices& m_services;
    QTimer m_wake;
    std::int32_t m_startSecond = 0;
    bool m_waiting = false;
    bool m_inPass = false;
};

} // namespace gp
