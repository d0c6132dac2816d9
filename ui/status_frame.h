// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The status frame beside the play area: the record and its holder, the score, the time gauge
// with its minute marks, the done button and the hint panel, each under its caption.

#include <QFrame>

class QPushButton;

namespace gp {

class StatusPanel;

class StatusFrame : public QFrame
{
    Q_OBJECT

public:
    explicit StatusFrame(QWidget* parent = nullptr);

    StatusPanel* recordScorePanel() const { return m_recordScore; }
    StatusPanel* recordHolderPanel() const { return m_recordHolder; }
    StatusPanel* scorePanel() const { return m_score; }
    StatusPanel* timeGauge() const { return m_timeGauge; }
    StatusPanel* hintPanel() const { return m_hint; }
    QPushButton* doneButton() const { return m_done; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StatusPanel* m_recordScore = nullptr;
    StatusPanel* m_recordHolder = nullptr;
    StatusPanel* m_score = nullptr;
    StatusPanel* m_timeGauge = nullptr;
    StatusPanel* m_hint = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace gp
