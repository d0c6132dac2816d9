// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's services as the player meets them: the steady clock, the wave files beside the
// program, message boxes and the new-record dialog over the main window.

#include "game/game_services.h"

#include <functional>
#include <memory>

namespace gp {

class AudioOutput;
class CuePlayer;
class MainWindow;

class WindowServices : public GameServices
{
public:
    // soundOn: the sound switch, read on every cue.
    WindowServices(MainWindow& window, std::function<bool()> soundOn);
    ~WindowServices() override;

    double seconds() const override;
    void playCue(const QString& cue) override;
    bool showMessage(MessageKind kind, const QString& text) override;
    void askRecordHolder(Record& record) override;
    bool modalWindowOpen() const override;

private:
    MainWindow& m_window;
    std::function<bool()> m_soundOn;
    std::unique_ptr<AudioOutput> m_audio;
    std::unique_ptr<CuePlayer> m_cues;
};

} // namespace gp
