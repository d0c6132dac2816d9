// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_loop.h"

#include "game/evaluation.h"
#include "game/face_setup.h"
#include "base/rounding.h"
#include "game/scoring.h"

#include <cmath>

namespace gp {

namespace {

constexpr int kModalRetryMs = 200;

} // namespace

GameLoop::GameLoop(GameState& state, Record& record, GameBoard& board, GameServices& services,
                   QObject* parent)
    : QObject(parent), m_state(state), m_record(record), m_board(board), m_services(services)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &GameLoop::pass);
}

void GameLoop::start()
{
    if (m_waiting)
        return;
    m_state.gameRunning = true;
    m_state.doneDeclared = false;
    m_state.dragging = false;
    m_board.setCompleteFaceVisible(0, false);
    m_board.setCompleteFaceVisible(1, false);
    m_board.setCommandEnabled(Command::Stop, true);
    m_board.setCommandEnabled(Command::ChooseGirl, false);
    m_board.setCommandEnabled(Command::Start, false);
    const bool covers = !m_state.debugNextGame;
    m_board.setCoverVisible(0, covers);
    m_board.setCoverVisible(1, covers);
    setUpFace(m_state, m_board);
    m_board.setHintTimerRunning(true);
    m_state.nextHintVertical = false;
    m_startSecond = roundHalfEven(m_services.seconds());
    m_waiting = true;
    pass();
}

void GameLoop::pass()
{
    if (!m_waiting || m_inPass)
        return;
    // Another modal window holds the interface: passes wait until it closes, so its time still
    // counts and the time-out follows as soon as it is gone.
    if (m_services.modalWindowOpen()) {
        m_wake.start(kModalRetryMs);
        return;
    }
    m_inPass = true;
    bool ended = !m_state.gameRunning;
    if (!ended) {
        // The clock is monotonic, so the elapsed time never runs backwards.
        const std::int32_t elapsed = roundHalfEven(m_services.seconds() - m_startSecond);
        const double percent = remainingPercent(elapsed);
        m_board.setGaugePercent(percent);
        if (percent > 0 && percent < 10 && m_board.gaugeColor() == kGaugeLow) {
            m_board.setGaugeColor(kGaugeCritical);
        } else if (percent >= 10 && percent < 30 && m_board.gaugeColor() == kGaugeAmple) {
            m_board.setGaugeColor(kGaugeLow);
        } else if (percent <= 0) {
            // Shown while the covers are still on.
            m_services.showMessage(MessageKind::Warning, tr("時間切れ ！"));
            ended = true;
        }
    }
    if (ended) {
        m_waiting = false;
        m_wake.stop();
        endGame();
    } else {
        scheduleNextPass();
    }
    m_inPass = false;
}

void GameLoop::scheduleNextPass()
{
    // The gauge changes only when the rounded elapsed second does, just after t crosses k + 0.5.
    const double t = m_services.seconds() - m_startSecond;
    const double nextChange = std::floor(t - 0.5) + 1.5;
    m_wake.start(int(std::ceil((nextChange - t) * 1000.0)) + 2);
}

void GameLoop::endGame()
{
    m_board.setCoverVisible(0, false);
    m_board.setCoverVisible(1, false);
    m_state.gameRunning = false;
    m_board.setCommandEnabled(Command::Stop, false);
    m_board.setCommandEnabled(Command::Start, true);
    m_board.setCommandEnabled(Command::ChooseGirl, true);
    m_state.debugNextGame = false;
    m_board.setHintTimerRunning(false);
    m_board.endVisualDrag();
    if (m_state.doneDeclared)
        scoreGame();
}

void GameLoop::scoreGame()
{
    m_state.measuredDistance = measurePlacement(m_board);
    m_state.score = computeScore(m_state.startDistance, m_state.measuredDistance);
    m_services.playCue(ratingCue(m_state.score));
    m_board.setScoreCaption(m_state.score);
    if (m_state.score > m_record.score) {
        m_record.score = m_state.score;
        m_services.askRecordHolder(m_record);
    }
}

} // namespace gp
