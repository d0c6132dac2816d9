// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: the play areas of both girls, the status frame and the menus. It draws and
// reports; the handlers that drive it live in app/, the rules they follow in game/.

#include "game/game_board.h"
#include "ui/menu_actions.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QLabel;
class QTimer;

namespace gp {

class Announcer;
class Backdrop;
class PartDragger;
class Sprite;
class StatusFrame;

class MainWindow : public QMainWindow, public GameBoard
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Backdrop* playArea(int girl) const { return m_playAreas[girl]; }
    Backdrop* cover(int girl) const { return m_covers[girl]; }
    Sprite* completeFace(int girl) const { return m_completeFaces[girl]; }
    Sprite* part(int girl, int part) const { return m_parts[girl][part]; }
    StatusFrame* statusFrame() const { return m_statusFrame; }
    QTimer* hintTimer() const { return m_hintTimer; }
    // The last pointer position over a play area or cover, in labels kept above the visible area.
    QLabel* pointerXLabel() const { return m_pointerLabels[0]; }
    QLabel* pointerYLabel() const { return m_pointerLabels[1]; }
    const MenuActions& actions() const { return m_actions; }
    // Speaks to a screen reader whatever the focus.
    Announcer* announcer() const { return m_announcer; }

    // Sizes the play areas, covers and complete faces to the face, puts the status frame beside
    // the play area and fits the window around them.
    void fitToPlayArea();

    // Asked before the window closes; false keeps it open. Unset, the window just closes.
    std::function<bool()> onCloseRequest;

    // FaceBoard
    bool isGirlChosen(int girl) const override;
    PartRect partRect(int girl, int part) const override;
    void setPartLeft(int girl, int part, float left) override;
    void setPartTop(int girl, int part, float top) override;
    void setPartDragIconTransparent(int girl, int part, bool transparent) override;
    void setCoverLeft(int girl, int left) override;
    void setCoverTop(int girl, int top) override;
    void setGaugeColor(const QColor& color) override;

    // GameBoard
    void setCompleteFaceVisible(int girl, bool visible) override;
    void setCoverVisible(int girl, bool visible) override;
    void setCommandEnabled(Command command, bool enabled) override;
    void setHintTimerRunning(bool running) override;
    void setGaugePercent(double percent) override;
    QColor gaugeColor() const override;
    void setScoreCaption(int score) override;
    void setHintCaption(const QString& text) override;
    void setPointerCaptions(const QString& x, const QString& y) override;
    void endVisualDrag() override;

    // The carrying of parts with the mouse; the window gives the pointer back through it.
    void setPartDragger(PartDragger* dragger) { m_dragger = dragger; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildPlayAreas(QWidget* central);
    void setOuterSize(QSize size);
    void applyOuterSize();

    std::array<Backdrop*, 2> m_playAreas{};
    std::array<Backdrop*, 2> m_covers{};
    std::array<Sprite*, 2> m_completeFaces{};
    std::array<std::array<Sprite*, 6>, 2> m_parts{};
    Sprite* m_transparentDragIcon = nullptr;
    std::array<QLabel*, 2> m_pointerLabels{};
    StatusFrame* m_statusFrame = nullptr;
    QTimer* m_hintTimer = nullptr;
    Announcer* m_announcer = nullptr;
    MenuActions m_actions;

    PartDragger* m_dragger = nullptr;
    QSize m_outerSize;
    QSize m_appliedDecoration{-1, -1};
};

} // namespace gp
