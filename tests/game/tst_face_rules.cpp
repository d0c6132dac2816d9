// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_board.h"
#include "game/evaluation.h"

#include <QTest>

using namespace gp;

class TestFaceRules : public QObject
{
    Q_OBJECT

private slots:
    void placementSumsWholePixelDistances_data()
    {
        QTest::addColumn<int>("girl");
        QTest::addColumn<bool>("startLayout");
        QTest::addColumn<float>("dx");
        QTest::addColumn<float>("dy");
        QTest::addColumn<bool>("neitherChosen");
        QTest::addColumn<int>("expected");
        QTest::newRow("girl A start column") << 0 << true << 0.f << 0.f << false << 1717;
        QTest::newRow("girl B start column") << 1 << true << 0.f << 0.f << false << 1645;
        QTest::newRow("A all on target") << 0 << false << 0.f << 0.f << false << 0;
        QTest::newRow("B all on target") << 1 << false << 0.f << 0.f << false << 0;
        QTest::newRow("3 right 4 down, six parts") << 0 << false << 3.f << 4.f << false << 30;
        QTest::newRow("half pixel counts 0") << 0 << false << 0.5f << 0.f << false << 0;
        QTest::newRow("1.5 pixels count 2") << 1 << false << 0.f << 1.5f << false << 12;
        QTest::newRow("2.5 pixels count 2") << 0 << false << -2.5f << 0.f << false << 12;
        QTest::newRow("neither girl chosen") << 0 << true << 0.f << 0.f << true << 0;
    }
    void placementSumsWholePixelDistances()
    {
        QFETCH(int, girl);
        QFETCH(bool, startLayout);
        QFETCH(float, dx);
        QFETCH(float, dy);
        QFETCH(bool, neitherChosen);
        QFETCH(int, expected);

        FakeBoard board;
        board.chosen = {girl == 0 && !neitherChosen, girl == 1 && !neitherChosen};
        // The other girl's parts lie on their targets: only the chosen girl may count.
        board.centreOnTargets(1 - girl, 100, 100);
        if (startLayout) {
            for (int p = 0; p < kPartCount; ++p) {
                board.parts[girl][p].left = float(kStartColumnLeft[girl]);
                board.parts[girl][p].top = float(kStartColumnTop[p]);
            }
        } else {
            board.centreOnTargets(girl, dx, dy);
        }
        QCOMPARE(measurePlacement(board), expected);
    }
};

QTEST_APPLESS_MAIN(TestFaceRules)
#include "tst_face_rules.moc"
