// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The About window. Its title labels also hide the gesture that turns debug mode on for the
// next game.

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QMouseEvent;
class QPushButton;

namespace gp {

class OutlineBox;
class Sprite;

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows a prompt with an OK button only; replaceable so that nothing blocks under test.
    using MessageBox = std::function<void(QWidget* parent, const QString& text)>;

    explicit AboutDialog(QWidget* parent = nullptr);

    void setMessageBox(MessageBox box) { m_messageBox = std::move(box); }
    // The three title lines: the program's name, its version and what it is.
    QLabel* titleLabel(int index) const { return m_titleLabels.at(index); }

signals:
    // The hidden gesture on a title line: the next game is to be played uncovered.
    void debugModeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void titlePressed(const QMouseEvent& event);

    MessageBox m_messageBox;
    OutlineBox* m_outline = nullptr;
    std::array<QLabel*, 3> m_titleLabels{};
    Sprite* m_icon = nullptr;
    QLabel* m_edition = nullptr;
    QPushButton* m_okButton = nullptr;
};

} // namespace gp
