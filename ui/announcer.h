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

#include <QAccessible>
#include <QString>
#include <QWidget>
#include <array>

namespace gp {

//
// A screen reader connects to the program only once its event loop runs: what is announced
// before (the messages at start-up) is kept and told once it has connected.
class Announcer : public QWidget, private QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);
    ~Announcer() override;

    void announce(const QString& text);

signals:
    void announced(const QString& text);

private:
    void accessibilityActiveChanged(bool active) override;
    void tellKept();

    std::array<QWidget*, 8> m_notices{};
    std::size_t m_next = 0;
    QList<QWidget*> m_kept; // announced before a screen reader was there, oldest first
};

} // namespace gp
