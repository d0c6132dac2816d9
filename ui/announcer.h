// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tells a screen reader what happens in the game without moving the focus. Screen readers speak
// an accessible notification as it appears, wherever the focus is, but stay silent when the text
// of an unfocused label, panel or status bar changes; so each text is shown as a notification of
// its own. A reader asks for the text only when it gets round to the notification, so a few are
// kept, taken in turn, and texts that follow each other closely are all heard. The widgets have
// no size and take no input.

#include <QString>
#include <QWidget>
#include <array>

namespace gp {

class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);

signals:
    void announced(const QString& text);

private:
    std::array<QWidget*, 8> m_notices{};
    std::size_t m_next = 0;
};

} // namespace gp
