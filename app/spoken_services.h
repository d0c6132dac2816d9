// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's services with what they put before the player also told to a screen reader: the
// text of every message box and the prompt for a new record's name.

#include "game/game_services.h"

#include <QObject>

namespace gp {

class Announcer;

class SpokenServices : public QObject, public GameServices
{
    Q_OBJECT

public:
    SpokenServices(GameServices& services, Announcer& announcer, QObject* parent = nullptr);

    double seconds() const override { return m_services.seconds(); }
    void playCue(const QString& cue) override { m_services.playCue(cue); }
    bool showMessage(MessageKind kind, const QString& text) override;
    void askRecordHolder(Record& record) override;
    bool modalWindowOpen() const override { return m_services.modalWindowOpen(); }

private:
    GameServices& m_services;
    Announcer& m_announcer;
};

} // namespace gp
