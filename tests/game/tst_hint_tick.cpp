// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_board.h"
#include "game/hint_tick.h"
#include "tests/support/gui_test_main.h"

#include <QTest>

using namespace gp;

class TestHintTick : public QObject
{
    Q_OBJECT

    FakeBoard m_board;
    GameState m_state;
    QStringList m_cues;

    void tick()
    {
        const QString cue = hintTick(m_state, m_board);
        if (!cue.isEmpty())
            m_cues << cue;
    }

private slots:
    void init()
    {
        m_board = FakeBoard();
        m_state = GameState();
        m_cues.clear();
        for (int g = 0; g < kGirlCount; ++g)
            for (int p = 0; p < kPartCount; ++p)
                m_board.parts[g][p] = {float(kStartColumnLeft[g]), float(kStartColumnTop[p]),
                                       float(kPartSizes[g][p].width()),
                                       float(kPartSizes[g][p].height())};
        m_state.dragging = true;
    }

    // Two ticks with the pointer reported at the same place before each, then one without.
    void directionsAlternateBetweenTheAxes()
    {
        const QStringList rightDown{"もっと右 右 ！", "もっと下 下 ！"};
        const QStringList leftUp{"もっと左 左 ！", "もっと上 上 ！"};
        const struct
        {
            int girl, part, x, y;
            PointerZone zone;
            QStringList hints, cues;
        } rows[] = {
            // Girl A's nose exactly on its target, then up and left of it.
            {0, 4, 218, 247, PointerZone::PlayArea, rightDown, {"Right", "Down"}},
            {0, 4, 219, 248, PointerZone::PlayArea, leftUp, {"Left", "Up"}},
            // Girl B's right eyebrow, over the cover.
            {1, 0, 151, 146, PointerZone::Cover, leftUp, {"Left", "Up"}},
        };
        for (const auto& row : rows) {
            init();
            m_board.chosen = {row.girl == 0, row.girl == 1};
            m_state.draggedPart = row.part;
            QStringList shown;
            for (int i = 0; i < 2; ++i) {
                m_state.pointerX = std::int16_t(row.x);
                m_state.pointerY = std::int16_t(row.y);
                m_state.pointerZone = row.zone;
                tick();
                shown << m_board.hint;
            }
            QCOMPARE(shown, row.hints);
            QCOMPARE(m_cues, row.cues);
            QCOMPARE(m_state.pointerZone, PointerZone::None); // cleared after the vertical hint
            QVERIFY(!m_state.nextHintVertical);

            // Without a fresh report: "? ? ?", silently, and the axis stays horizontal.
            tick();
            QCOMPARE(m_board.hint, QStringLiteral("? ? ?"));
            QCOMPARE(m_cues.size(), 2);
            QVERIFY(!m_state.nextHintVertical);
        }
    }

    // Over the cover, a hidden part is named only strictly inside its rectangle; the lower index
    // wins where two overlap.
    void coverNamesTheHiddenPartUnderThePointer_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("hint");
        // Girl A: eyebrow 0 laid at (100, 100) 64 x 13, eye 2 at (120, 105) 64 x 51.
        QTest::newRow("inside eyebrow") << 101 << 101 << "右眉の上";
        QTest::newRow("left edge") << 100 << 105 << "もっと右 右 ！";
        QTest::newRow("top edge") << 110 << 100 << "もっと右 右 ！";
        QTest::newRow("right edge is outside") << 164 << 101 << "もっと右 右 ！";
        QTest::newRow("bottom edge is outside the eyebrow") << 130 << 113 << "右目の上";
        QTest::newRow("overlap names the lower index") << 130 << 110 << "右眉の上";
        QTest::newRow("tray parts count too") << 470 << 350 << "口の上";
    }
    void coverNamesTheHiddenPartUnderThePointer()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, hint);
        m_board.parts[0][0].left = 100;
        m_board.parts[0][0].top = 100;
        m_board.parts[0][2].left = 120;
        m_board.parts[0][2].top = 105;
        m_state.draggedPart = 4;
        m_state.pointerX = std::int16_t(x);
        m_state.pointerY = std::int16_t(y);
        m_state.pointerZone = PointerZone::Cover;
        tick();
        QCOMPARE(m_board.hint, hint);
        QCOMPARE(m_state.nextHintVertical, !m_cues.isEmpty());
    }

    void partsAndIdleTicksAreSilent()
    {
        // Over a part image: its name on every tick, no sound, no state change.
        m_state.pointerZone = PointerZone::Part;
        m_state.partUnderPointer = 5;
        tick();
        tick();
        QCOMPARE(m_board.hint, QStringLiteral("口の上"));
        QVERIFY(m_cues.isEmpty());
        QCOMPARE(m_state.pointerZone, PointerZone::Part);

        // No drag: nothing at all, not even the panel.
        m_state.dragging = false;
        m_board.hint = QStringLiteral("kept");
        m_state.pointerZone = PointerZone::PlayArea;
        tick();
        QCOMPARE(m_board.hint, QStringLiteral("kept"));
        QVERIFY(!m_state.nextHintVertical);
    }
};

GP_GUI_TEST_MAIN(TestHintTick)
#include "tst_hint_tick.moc"
