// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a game needs of the main window beyond the face: the covers, the complete faces, the menu
// states, the timer and the status panels.

#include "game/face_board.h"

#include <QString>
#include <cstdint>

namespace gp {

enum class Command { Start, Stop, ChooseGirl };

class GameBoard : public FaceBoard
{
public:
    virtual void setCompleteFaceVisible(int girl, bool visible) = 0;
    virtual void setCoverVisible(int girl, bool visible) = 0;
    virtual void setCommandEnabled(Command command, bool enabled) = 0;
    virtual void setHintTimerRunning(bool running) = 0;

    virtual void setGaugePercent(double percent) = 0;
    virtual QColor gaugeColor() const = 0;
    virtual void setScoreCaption(int score) = 0;
    virtual void setHintCaption(const QString& text) = 0;
    // The two coordinate labels above the visible area.
    virtual void setPointerCaptions(const QString& x, const QString& y) = 0;

    // Gives the pointer back if a drag still hides it.
    virtual void endVisualDrag() = 0;
};

} // namespace gp
