// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_board.h"
#include "game/evaluation.h"

#include <QTest>

#include <algorithm>

using namespace gp;

class TestFaceRules : public QObject
{
    Q_OBJECT

private slots:
    // The chosen girl's six distances, each rounded half to even before they are summed; the
    // other girl's parts, 100 pixels off their targets, never count.
    void placementSumsWholePixelDistances()
    {
        const struct
        {
            int girl; // -1: neither is chosen
            float dx, dy;
            int expected;
        } rows[] = {{0, 0, 0, 0},     {1, 0, 0, 0},      {0, 3, 4, 30}, {0, 0.5f, 0, 0},
                    {1, 0, 1.5f, 12}, {0, -2.5f, 0, 12}, {-1, 3, 4, 0}};
        for (const auto& row : rows) {
            FakeBoard board;
            board.chosen = {row.girl == 0, row.girl == 1};
            const int girl = std::max(row.girl, 0);
            board.centreOnTargets(1 - girl, 100, 100);
            board.centreOnTargets(girl, row.dx, row.dy);
            QCOMPARE(measurePlacement(board), row.expected);
        }
    }
};

QTEST_APPLESS_MAIN(TestFaceRules)
#include "tst_face_rules.moc"
