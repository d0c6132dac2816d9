// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: the play areas of both girls, the status frame and the menus. It shows the
// game model and reports the player's input; the menu commands are wired in app/, the carrying
// of parts goes to the model through the part dragger.

#include "game/game_model.h"
#include "ui/menu_actions.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QLabel;

namespace gp {

class Announcer;
class Backdrop;
class PartDragger;
class Sprite;
class StatusFrame;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(GameModel& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    Backdrop* playArea(int girl) const { return m_playAreas[girl]; }
    Backdrop* cover(int girl) const { return m_covers[girl]; }
    Sprite* completeFace(int girl) const { return m_completeFaces[girl]; }
    Sprite* part(int girl, int part) const { return m_parts[girl][part]; }
    StatusFrame* statusFrame() const { return m_statusFrame; }
    // The last pointer position over a play area or cover, in labels kept above the visible area.
    QLabel* pointerXLabel() const { return m_pointerLabels[0]; }
    QLabel* pointerYLabel() const { return m_pointerLabels[1]; }
    const MenuActions& actions() const { return m_actions; }
    // Speaks to a screen reader whatever the focus.
    Announcer* announcer() const { return m_announcer; }

    // Sizes the play areas, covers and complete faces to the face, lays the covers over the faces,
    // puts the status frame beside the play area and fits the window around them.
    void fitToPlayArea();

    // Asked before the window closes; false keeps it open. Unset, the window just closes.
    std::function<bool()> onCloseRequest;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildPlayAreas(QWidget* central);
    void setOuterSize(QSize size);
    void applyOuterSize();

    // What the model holds, shown.
    void showPhase(Phase phase);
    void showGirl(int girl);
    void showPart(int girl, int part);
    void showGauge();
    void showSoundSwitch(bool on);
    void showRecord(bool beatenNow);
    void showScore(int score);
    void showHint(const QString& caption);
    void showPointer(float x, float y);

    GameModel& m_model;
    std::array<Backdrop*, 2> m_playAreas{};
    std::array<Backdrop*, 2> m_covers{};
    std::array<Sprite*, 2> m_completeFaces{};
    std::array<std::array<Sprite*, 6>, 2> m_parts{};
    Sprite* m_transparentDragIcon = nullptr;
    std::array<QLabel*, 2> m_pointerLabels{};
    StatusFrame* m_statusFrame = nullptr;
    Announcer* m_announcer = nullptr;
    MenuActions m_actions;
    // Gone before the widgets it watches.
    std::unique_ptr<PartDragger> m_dragger;

    QSize m_outerSize;
    QSize m_appliedDecoration{-1, -1};
};

} // namespace gp
