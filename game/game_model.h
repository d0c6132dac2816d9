// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Everything the game knows, from the start command to the score and the record: where each
// girl's parts lie, which girl is played, the phase, the time gauge, the sound switch and the
// record. The window shows it through the signals and reports the player's input to it.
//
// A game runs without spinning: a pass runs when something can have changed, when the elapsed
// whole second moves on and at once when the done button or the stop command has ended the game.

#include "game/face_layout.h"
#include "game/game_services.h"
#include "game/game_state.h"
#include "game/record.h"

#include <QObject>
#include <QTimer>

namespace gp {

enum class Phase {
    Idle,    // no game: the complete face is shown (at start-up, after stop, a girl chosen)
    Running, // a game: the covers are on unless in debug mode
    Done,    // a game ended by the done button or the time: the parts lie where they were put
};

// The time gauge's fill: ample time, under 30 % left, under 10 % left.
enum class GaugeStep { Ample, Low, Critical };

class GameModel : public QObject
{
    Q_OBJECT

public:
    explicit GameModel(QObject* parent = nullptr);
    ~GameModel() override;

    // The clock, the cues and the player's attention; given before the first game.
    void useServices(GameServices& services) { m_services = &services; }

    Phase phase() const { return m_phase; }
    int chosenGirl() const { return m_face.chosenGirl; }
    const FaceLayout& face() const { return m_face; }
    const PartRect& partRect(int girl, int part) const { return m_face.parts[girl][part]; }
    // The running game is played in debug mode: no covers, and the carried part's outline shown
    // instead of a transparent pointer.
    bool isDebugGame() const { return m_debugGame; }
    // The carried part of the chosen girl, or -1.
    int carriedPart() const { return m_state.dragging ? m_state.draggedPart : -1; }
    GaugeStep gaugeStep() const { return m_gaugeStep; }
    // Percentage of the time left, as the gauge shows it.
    double remainingPercent() const { return m_remainingPercent; }
    bool isSoundOn() const { return m_soundOn; }
    const Record& record() const { return m_record; }
    // The last game's score.
    std::int16_t score() const { return m_state.score; }

    // The player's commands.
    void startGame();
    void stopGame();
    void declareDone();
    // Refused during a game.
    void chooseGirl(int girl);
    void toggleSound();
    // The About window's hidden gesture: the next game is played in debug mode. Asked during a
    // game, it lapses when that game ends.
    void requestDebugGame();
    // The record as read at start-up.
    void setRecord(const Record& record);

    // The carrying of a part; see drag_rules.h. A press is true when the part is carried.
    bool pressPart(int girl, int part, float x, float y);
    void pointerOverPart(int part);
    void pointerOverPlayArea(float x, float y);
    void pointerOverCover(float x, float y);
    void dropOnPart(int girl, int part, float x, float y);
    void dropOnPlayArea(int sourceGirl, int sourcePart, float x, float y);

    // Once a second during a game, on the model's own beat: the hint for the carried part.
    void hintTick();
    // A pass: ends the game if it has stopped or timed out, else updates the gauge and waits. The
    // model's own timer runs it when the shown time can change; after moving a clock of one's own
    // on, call it.
    void pass();

signals:
    void phaseChanged(gp::Phase phase);
    void girlChosen(int girl);
    void partMoved(int girl, int part);
    void gaugeChanged();
    void soundSwitched(bool on);
    // The record as read at start-up, and a new one with its holder named.
    void recordLoaded();
    void recordBeaten();
    // A game ended by the done button was scored (the score's cue has sounded).
    void scored(int score);
    void hintGiven(const QString& caption);
    // Where the pointer was last reported over the play area or the cover, play-area pixels.
    void pointerReported(float x, float y);

private:
    void setPhase(Phase phase);
    void setUpFace();
    void setGauge(GaugeStep step, double percent);
    void scheduleNextPass();
    // The one way out of a game, to the idle window after stop and to the done board otherwise.
    void endGame(bool timedOut);
    void scoreGame();

    GameServices* m_services = nullptr;
    GameState m_state;
    FaceLayout m_face;
    Record m_record;
    Phase m_phase = Phase::Idle;
    GaugeStep m_gaugeStep = GaugeStep::Ample;
    double m_remainingPercent = 0;
    bool m_soundOn = true;
    bool m_debugGame = false;
    QTimer m_wake;
    QTimer m_hintBeat;
    std::int32_t m_startSecond = 0;
    bool m_waiting = false;
    bool m_inPass = false;
};

} // namespace gp
