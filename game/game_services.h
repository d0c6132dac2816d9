// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the game needs from outside its rules: time, sound and the player's attention. The program
// has one implementation (app/window_services.h); tests give doubles.

#include "game/record.h"

#include <QString>

namespace gp {

enum class MessageKind {
    // OK and Cancel under the information icon: quitting is announced rather than questioned.
    Confirmation,
    Information,
    Warning,
    Critical,
    // OK only, no icon.
    Plain,
};

class GameServices
{
public:
    virtual ~GameServices() = default;

    // Seconds on a monotonic clock, so a change of the wall clock, a daylight saving shift or
    // midnight can neither end nor stretch a game.
    virtual double seconds() const = 0;
    // A cue by name: "Right", "Left", "Up", "Down", "Bad", "Good" or "VeryGood".
    virtual void playCue(const QString& cue) = 0;
    // A modal message box; true when the player chose OK.
    virtual bool showMessage(MessageKind kind, const QString& text) = 0;
    // Modal name entry for a new record, whose score is already set; a confirmed name becomes
    // its holder.
    virtual void askRecordHolder(Record& record) = 0;
    // True while a modal window holds the interface.
    virtual bool modalWindowOpen() const = 0;
};

} // namespace gp
