// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Carries a face part with the mouse: a press on a part image begins, every move is reported to
// the topmost part image, cover or play area under the pointer, and the release drops there.
// While a part is carried its drag icon replaces the pointer (a fully transparent one for blind
// play); without a drag icon an outline of the part follows the pointer instead.
//
// The keyboard carries a part the same way during a game, through the same reports: a digit 1-6
// presses the chosen girl's part of that number at the middle of its image, the arrow keys move
// that point by 5 pixels (with Shift by 1) and report there, H reports again where it is, Enter
// drops there and Escape drops the part back onto itself at the point it was taken by. While
// the keyboard carries, mouse presses on the window are ignored.

#include "game/game_state.h"

#include <QObject>
#include <QPointF>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace gp {

class GameModel;
class MainWindow;

class PartDragger : public QObject
{
    Q_OBJECT

public:
    PartDragger(MainWindow& window, GameModel& model, QObject* parent = nullptr);
    ~PartDragger() override;

    // Ends the carrying without a drop and gives the pointer back.
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target
    {
        PointerZone zone = PointerZone::None;
        int part = -1;
        QPointF pos; // pixels inside the part, or play-area pixels
    };

    // Play-area pixels of the carried part's girl.
    Target targetAt(const QPointF& areaPos) const;
    QPointF areaPos(QObject* receiver, const QMouseEvent* event) const;
    bool press(QWidget* pressed, QMouseEvent* event);
    // A press on the part at grab, pixels inside its image; true when it is carried.
    bool begin(int girl, int part, const QPointF& grab, bool byKeyboard);
    void reportAt(const QPointF& areaPos);
    void dropAt(const QPointF& areaPos);
    void putBack();
    // Another window took the focus.
    void focusLost();
    bool keyPressed(QKeyEvent* event);
    // Tells a screen reader what became of the carried part.
    void announce(const QString& text);
    bool isCarryingByKeyboard() const { return m_carrying && m_byKeyboard; }

    MainWindow& m_window;
    GameModel& m_model;
    QWidget* m_outline = nullptr;
    bool m_carrying = false;
    bool m_cursorHidden = false;
    bool m_byKeyboard = false;
    QPointF m_keyPoint; // where the keyboard holds the grab point, play-area pixels
    int m_girl = 0;
    int m_part = 0;
    QPointF m_grab;
};

} // namespace gp
