#include "game/game_loop.h"

#include "game/evaluation.h"
#include "game/face_setup.h"
#include "game/rounding.h"
#include "game/scoring.h"

#include <cmath>

namespace gp {

namespace {

constexpr int kModalRetryMs = 200;

} // namespace

GameLoop::GameLoop(GameState& state, GameBoard& board, GameServices services, QObject* parent)
    : QObject(parent), m_state(state), m_board(board), m_services(std::move(services))
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &GameLoop::pass);
}

void GameLoop::start_Click()
{
    if (m_waiting)
        return;
    m_state.GameRunning = 1;
    m_state.DoneFlag = 0;
    m_state.Dragging = 0;
    m_board.setCompleteFaceVisible(0, false);
    m_board.setCompleteFaceVisible(1, false);
    m_board.setCommandEnabled(Command::Pause, true);
    m_board.setCommandEnabled(Command::SelectGirl, false);
    m_board.setCommandEnabled(Command::Start, false);
    const bool covers = m_state.DebugMode == 0;
    m_board.setCoverVisible(0, covers);
    m_board.setCoverVisible(1, covers);
    SetUpFace(m_state, m_board);
    m_board.setTimerEnabled(true);
    m_state.HintAxis = 0;
    m_startSecond = roundHalfEven(m_services.clock->seconds());
    m_waiting = true;
    pass();
}

void GameLoop::pass()
{
    if (!m_waiting || m_inPass)
        return;
    if (m_services.modalWindowOpen && m_services.modalWindowOpen()) {
        m_wake.start(kModalRetryMs);
        return;
    }
    m_inPass = true;
    bool ended = m_state.GameRunning == 0;
    if (!ended) {
        // The clock is monotonic, so the elapsed time never runs backwards.
        const std::int32_t elapsed = roundHalfEven(m_services.clock->seconds() - m_startSecond);
        const double percent = remainingPercent(elapsed);
        m_board.setGaugePercent(percent);
        if (percent > 0 && percent < 10 && m_board.gaugeColor() == kGaugeYellow) {
            m_board.setGaugeColor(kGaugeRed);
        } else if (percent >= 10 && percent < 30 && m_board.gaugeColor() == kGaugeBlue) {
            m_board.setGaugeColor(kGaugeYellow);
        } else if (percent <= 0) {
            if (m_services.showTimeOut)
                m_services.showTimeOut();
            ended = true;
        }
    }
    if (ended) {
        m_waiting = false;
        m_wake.stop();
        endSequence();
    } else {
        scheduleNextPass();
    }
    m_inPass = false;
}

void GameLoop::scheduleNextPass()
{
    // The gauge changes only when the rounded elapsed second does, just after t crosses k + 0.5.
    const double t = m_services.clock->seconds() - m_startSecond;
    const double nextChange = std::floor(t - 0.5) + 1.5;
    m_wake.start(int(std::ceil((nextChange - t) * 1000.0)) + 2);
}

void GameLoop::endSequence()
{
    m_board.setCoverVisible(0, false);
    m_board.setCoverVisible(1, false);
    m_state.GameRunning = 0;
    m_board.setCommandEnabled(Command::Pause, false);
    m_board.setCommandEnabled(Command::Start, true);
    m_board.setCommandEnabled(Command::SelectGirl, true);
    m_state.DebugMode = 0;
    m_board.setTimerEnabled(false);
    m_board.endVisualDrag();
    if (m_state.DoneFlag == 1)
        scoreFace();
}

void GameLoop::scoreFace()
{
    EvaluatePlacement(m_state, m_board);
    m_state.Score = computeScore(m_state.StartDistance, m_state.TotalDistance);
    if (m_services.playCue)
        m_services.playCue(ratingCue(m_state.Score));
    m_board.setScoreCaption(m_state.Score);
    if (m_state.Score > m_state.HighScore) {
        m_state.HighScore = m_state.Score;
        if (m_services.openNewRecordDialog)
            m_services.openNewRecordDialog();
    }
}

} // namespace gp
