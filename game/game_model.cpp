// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_model.h"

#include "base/rounding.h"
#include "game/drag_rules.h"
#include "game/evaluation.h"
#include "game/face_setup.h"
#include "game/hint_tick.h"
#include "game/scoring.h"

#include <cmath>

namespace gp {

namespace {

constexpr int kModalRetryMs = 200;

} // namespace

GameModel::GameModel(QObject* parent) : QObject(parent)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &GameModel::pass);
    m_hintBeat.setInterval(1000);
    m_hintBeat.setTimerType(Qt::PreciseTimer); // a steady one-second beat for the hints
    connect(&m_hintBeat, &QTimer::timeout, this, &GameModel::hintTick);
    setUpFace();
}

GameModel::~GameModel() = default;

void GameModel::setPhase(Phase phase)
{
    if (phase == m_phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}

void GameModel::setUpFace()
{
    gp::setUpFace(m_face);
    for (int girl = 0; girl < kGirlCount; ++girl)
        for (int part = 0; part < kPartCount; ++part)
            emit partMoved(girl, part);
    setGauge(GaugeStep::Ample, m_remainingPercent);
    m_state.measuredDistance = measurePlacement(m_face);
    m_state.startDistance = m_state.measuredDistance;
}

void GameModel::setGauge(GaugeStep step, double percent)
{
    if (step == m_gaugeStep && percent == m_remainingPercent)
        return;
    m_gaugeStep = step;
    m_remainingPercent = percent;
    emit gaugeChanged();
}

void GameModel::startGame()
{
    if (m_waiting)
        return;
    m_state.gameRunning = true;
    m_state.doneDeclared = false;
    m_state.dragging = false;
    m_debugGame = m_state.debugNextGame;
    setPhase(Phase::Running);
    setUpFace();
    m_hintBeat.start();
    m_state.nextHintVertical = false;
    m_startSecond = roundHalfEven(m_services->seconds());
    m_waiting = true;
    pass();
}

void GameModel::stopGame()
{
    m_state.gameRunning = false;
    pass(); // a waiting game ends now, not at its next wake-up
}

void GameModel::declareDone()
{
    m_state.doneDeclared = true;
    m_state.gameRunning = false;
    pass();
}

void GameModel::chooseGirl(int girl)
{
    if (m_state.gameRunning)
        return;
    m_face.chosenGirl = girl;
    emit girlChosen(girl);
    setUpFace();
    setPhase(Phase::Idle);
}

void GameModel::toggleSound()
{
    m_soundOn = !m_soundOn;
    emit soundSwitched(m_soundOn);
}

void GameModel::requestDebugGame()
{
    m_state.debugNextGame = true;
}

void GameModel::setRecord(const Record& record)
{
    m_record = record;
    emit recordLoaded();
}

bool GameModel::pressPart(int girl, int part, float x, float y)
{
    return gp::pressPart(m_state, m_face, girl, part, x, y);
}

void GameModel::pointerOverPart(int part)
{
    gp::pointerOverPart(m_state, part);
}

void GameModel::pointerOverPlayArea(float x, float y)
{
    emit pointerReported(x, y);
    pointerAt(m_state, x, y, PointerZone::PlayArea);
}

void GameModel::pointerOverCover(float x, float y)
{
    emit pointerReported(x, y);
    pointerAt(m_state, x, y, PointerZone::Cover);
}

void GameModel::dropOnPart(int girl, int part, float x, float y)
{
    const int dragged = m_state.draggedPart;
    if (gp::dropOnPart(m_state, m_face, girl, part, x, y))
        emit partMoved(girl, dragged);
}

void GameModel::dropOnPlayArea(int sourceGirl, int sourcePart, float x, float y)
{
    if (gp::dropOnPlayArea(m_state, m_face, sourceGirl, sourcePart, x, y))
        emit partMoved(sourceGirl, sourcePart);
}

void GameModel::hintTick()
{
    const std::optional<Hint> hint = gp::hintTick(m_state, m_face);
    if (!hint)
        return;
    emit hintGiven(hint->caption);
    if (!hint->cue.isEmpty())
        m_services->playCue(hint->cue);
}

void GameModel::pass()
{
    if (!m_waiting || m_inPass)
        return;
    // Another modal window holds the interface: passes wait until it closes, so its time still
    // counts and the time-out follows as soon as it is gone.
    if (m_services->modalWindowOpen()) {
        m_wake.start(kModalRetryMs);
        return;
    }
    m_inPass = true;
    bool ended = !m_state.gameRunning;
    bool timedOut = false;
    if (!ended) {
        // The clock is monotonic, so the elapsed time never runs backwards.
        const std::int32_t elapsed = roundHalfEven(m_services->seconds() - m_startSecond);
        const double percent = gp::remainingPercent(elapsed);
        setGauge(m_gaugeStep, percent);
        if (percent > 0 && percent < 10 && m_gaugeStep == GaugeStep::Low) {
            setGauge(GaugeStep::Critical, percent);
        } else if (percent >= 10 && percent < 30 && m_gaugeStep == GaugeStep::Ample) {
            setGauge(GaugeStep::Low, percent);
        } else if (percent <= 0) {
            // Shown while the covers are still on.
            m_services->showMessage(MessageKind::Warning, tr("時間切れ ！"));
            ended = timedOut = true;
        }
    }
    if (ended) {
        m_waiting = false;
        m_wake.stop();
        endGame(timedOut);
    } else {
        scheduleNextPass();
    }
    m_inPass = false;
}

void GameModel::scheduleNextPass()
{
    // The gauge changes only when the rounded elapsed second does, just after t crosses k + 0.5.
    const double t = m_services->seconds() - m_startSecond;
    const double nextChange = std::floor(t - 0.5) + 1.5;
    m_wake.start(int(std::ceil((nextChange - t) * 1000.0)) + 2);
}

void GameModel::endGame(bool timedOut)
{
    m_state.gameRunning = false;
    m_state.debugNextGame = false;
    m_hintBeat.stop();
    setPhase(timedOut || m_state.doneDeclared ? Phase::Done : Phase::Idle);
    if (m_state.doneDeclared)
        scoreGame();
}

void GameModel::scoreGame()
{
    m_state.measuredDistance = measurePlacement(m_face);
    m_state.score = computeScore(m_state.startDistance, m_state.measuredDistance);
    m_services->playCue(ratingCue(m_state.score));
    emit scored(m_state.score);
    if (m_state.score > m_record.score) {
        m_record.score = m_state.score;
        m_services->askRecordHolder(m_record);
        emit recordBeaten();
    }
}

} // namespace gp
