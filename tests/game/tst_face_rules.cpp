// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_board.h"
#include "game/evaluation.h"
#include "game/face_setup.h"
#include "game/rounding.h"

#include <QTest>

using namespace gp;

class TestFaceRules : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("half down to even") << 2.5 << 2;
        QTest::newRow("half up to even") << 3.5 << 4;
        QTest::newRow("zero half") << 0.5 << 0;
        QTest::newRow("negative half") << -2.5 << -2;
        QTest::newRow("negative odd half") << -3.5 << -4;
        QTest::newRow("just under half") << 12.499999 << 12;
        QTest::newRow("just over half") << 12.500001 << 13;
        QTest::newRow("score 399.6") << 399.6 << 400;
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(roundHalfEven(value), expected);
    }

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

    void eyebrowOnWholePixels()
    {
        // 64 x 13 cannot be centred on whole pixels; the nearest place is half a pixel off.
        const QPoint target = kTargets[GirlA][0];
        QCOMPARE(partDistance({143, 181.5f, 64, 13}, target), 0);
        QCOMPARE(partDistance({143, 181, 64, 13}, target), 0);
        const QRect cut = partCutRect(GirlA, 0);
        QCOMPARE(partDistance({float(cut.left()), float(cut.top()), 64, 13}, target), 0);
    }

    void setUpPutsThePartsBackAndMeasures_data()
    {
        QTest::addColumn<int>("chosenGirl");
        QTest::addColumn<int>("debugMode");
        QTest::addColumn<int>("startDistance");
        QTest::newRow("girl A") << 0 << 0 << 1717;
        QTest::newRow("girl B, debug") << 1 << 1 << 1645;
    }
    void setUpPutsThePartsBackAndMeasures()
    {
        QFETCH(int, chosenGirl);
        QFETCH(int, debugMode);
        QFETCH(int, startDistance);
        FakeBoard board;
        board.chosen = {chosenGirl == 0, chosenGirl == 1};
        board.centreOnTargets(0);
        board.centreOnTargets(1);
        GameState state;
        state.debugNextGame = debugMode != 0;
        setUpFace(state, board);

        QCOMPARE(state.startDistance, startDistance);
        QCOMPARE(state.measuredDistance, startDistance);
        QCOMPARE(board.gauge, QColor(0, 0, 255));
        for (int g = 0; g < kGirlCount; ++g) {
            QCOMPARE(board.cover[g].x(), 0);
            QCOMPARE(board.cover[g].y(), 0);
            for (int p = 0; p < kPartCount; ++p) {
                QCOMPARE(board.parts[g][p].left, float(kStartColumnLeft[g]));
                QCOMPARE(board.parts[g][p].top, float(kStartColumnTop[p]));
                QCOMPARE(board.transparentIcon[g][p], debugMode == 0);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFaceRules)
#include "tst_face_rules.moc"
