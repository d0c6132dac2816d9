// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tells a screen reader what happens in the game without moving the focus. Screen readers speak
// an accessible notification as it appears wherever the focus is, but stay silent when the text
// of an unfocused label, panel or status bar changes; so each text is shown as a new
// notification. The widget itself has no size and takes no input.

#include <QString>
#include <QWidget>

namespace gp {

class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
    QString text() const { return m_text; }

signals:
    void announced(const QString& text);

private:
    QString m_text;
};

} // namespace gp
