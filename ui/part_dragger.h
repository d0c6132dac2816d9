// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Carries a face part with the mouse: a press on a part image begins, every move is reported to
// the topmost part image, cover or play area under the pointer, and the release drops there.
// While a part is carried its drag icon replaces the pointer (a fully transparent one for blind
// play); without a drag icon an outline of the part follows the pointer instead.

#include "game/game_state.h"

#include <QObject>
#include <QPointF>

class QMouseEvent;
class QWidget;

namespace gp {

class DragRules;
class MainWindow;

class PartDragger : public QObject
{
    Q_OBJECT

public:
    PartDragger(MainWindow& window, DragRules& rules, QObject* parent = nullptr);
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

    Target targetAt(const QPointF& globalPos) const;
    bool press(QWidget* pressed, QMouseEvent* event);
    void moveTo(QMouseEvent* event);
    void release(QMouseEvent* event);

    MainWindow& m_window;
    DragRules& m_rules;
    QWidget* m_outline = nullptr;
    bool m_carrying = false;
    bool m_cursorHidden = false;
    int m_girl = 0;
    int m_part = 0;
    QPointF m_grab;
};

} // namespace gp
