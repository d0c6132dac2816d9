// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/face_geometry.h"
#include "game/game_board.h"

#include <array>

// Plain-data stand-in for the main window's controls.
struct FakeBoard : gp::GameBoard
{
    std::array<bool, 2> chosen{true, false};
    std::array<std::array<gp::PartRect, gp::kPartCount>, 2> parts{};
    QString hint = QStringLiteral("(none)");

    FakeBoard()
    {
        for (int g = 0; g < gp::kGirlCount; ++g)
            for (int p = 0; p < gp::kPartCount; ++p)
                parts[g][p] = {0, 0, float(gp::kPartSizes[g][p].width()),
                               float(gp::kPartSizes[g][p].height())};
    }

    bool isGirlChosen(int girl) const override { return chosen[girl]; }
    gp::PartRect partRect(int girl, int part) const override { return parts[girl][part]; }
    void setPartLeft(int girl, int part, float left) override { parts[girl][part].left = left; }
    void setPartTop(int girl, int part, float top) override { parts[girl][part].top = top; }
    void setPartDragIconTransparent(int, int, bool) override {}
    void setCoverLeft(int, int) override {}
    void setCoverTop(int, int) override {}
    void setGaugeColor(const QColor&) override {}
    void setCompleteFaceVisible(int, bool) override {}
    void setCoverVisible(int, bool) override {}
    void setCommandEnabled(gp::Command, bool) override {}
    void setHintTimerRunning(bool) override {}
    void setGaugePercent(double) override {}
    QColor gaugeColor() const override { return {}; }
    void setScoreCaption(int) override {}
    void setHintCaption(const QString& text) override { hint = text; }
    void setPointerCaptions(const QString&, const QString&) override {}
    void endVisualDrag() override {}

    // Puts every part of a girl with its centre exactly on its target offset by (dx, dy).
    void centreOnTargets(int girl, float dx = 0, float dy = 0)
    {
        for (int p = 0; p < gp::kPartCount; ++p) {
            auto& r = parts[girl][p];
            r.left = float(gp::kTargets[girl][p].x()) - r.width / 2 + dx;
            r.top = float(gp::kTargets[girl][p].y()) - r.height / 2 + dy;
        }
    }
};
