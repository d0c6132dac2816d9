// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of play without widgets: the hint given once a second, and the placement's measure.

#include "game/evaluation.h"
#include "game/face_layout.h"
#include "game/face_setup.h"
#include "game/hint_tick.h"

#include <QTest>

using namespace gp;

namespace {

// Puts every part of a girl with its centre exactly on its target offset by (dx, dy).
void centreOnTargets(FaceLayout& face, int girl, float dx = 0, float dy = 0)
{
    for (int p = 0; p < kPartCount; ++p) {
        auto& r = face.parts[girl][p];
        r.left = float(kTargets[girl][p].x()) - r.width / 2 + dx;
        r.top = float(kTargets[girl][p].y()) - r.height / 2 + dy;
    }
}

} // namespace

class TestGameRules : public QObject
{
    Q_OBJECT

    FaceLayout m_face;
    GameState m_state;
    QStringList m_cues;
    QString m_hint;

    void report(int x, int y, PointerZone zone)
    {
        m_state.pointerX = std::int16_t(x);
        m_state.pointerY = std::int16_t(y);
        m_state.pointerZone = zone;
    }
    void tick()
    {
        if (const auto hint = hintTick(m_state, m_face)) {
            m_hint = hint->caption;
            if (!hint->cue.isEmpty())
                m_cues << hint->cue;
        }
    }

private slots:
    void init()
    {
        m_face = FaceLayout();
        setUpFace(m_face); // both girls' parts in their start columns, girl A chosen
        m_state = GameState();
        m_cues.clear();
        m_hint = QStringLiteral("(none)");
        m_state.dragging = true;
    }

    // Two ticks with the pointer reported at the same place before each, then one without; and a
    // tick with nothing carried.
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
            m_face.chosenGirl = row.girl;
            m_state.draggedPart = row.part;
            QStringList shown;
            for (int i = 0; i < 2; ++i) {
                report(row.x, row.y, row.zone);
                tick();
                shown << m_hint;
            }
            QCOMPARE(shown, row.hints);
            QCOMPARE(m_cues, row.cues);
            QCOMPARE(m_state.pointerZone, PointerZone::None); // cleared after the vertical hint
            QVERIFY(!m_state.nextHintVertical);

            // Without a fresh report: "? ? ?", silently, and the axis stays horizontal.
            tick();
            QCOMPARE(m_hint, QStringLiteral("? ? ?"));
            QCOMPARE(m_cues.size(), 2);
            QVERIFY(!m_state.nextHintVertical);
        }
        // No drag: nothing at all, not even the panel.
        m_state.dragging = false;
        report(0, 0, PointerZone::PlayArea);
        QVERIFY(!hintTick(m_state, m_face));
        QVERIFY(!m_state.nextHintVertical);
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
        m_face.parts[0][0].left = m_face.parts[0][0].top = 100;
        m_face.parts[0][2].left = 120;
        m_face.parts[0][2].top = 105;
        m_state.draggedPart = 4;
        report(x, y, PointerZone::Cover);
        tick();
        QTEST(m_hint, "hint");
        QCOMPARE(m_state.nextHintVertical, !m_cues.isEmpty());
    }

    // The chosen girl's six distances, each rounded half to even before they are summed; the
    // other girl's parts, 100 pixels off their targets, never count.
    void placementSumsWholePixelDistances()
    {
        const struct
        {
            int girl;
            float dx, dy;
            int expected;
        } rows[] = {{0, 0, 0, 0},    {1, 0, 0, 0},     {0, 3, 4, 30},
                    {0, 0.5f, 0, 0}, {1, 0, 1.5f, 12}, {0, -2.5f, 0, 12}};
        for (const auto& row : rows) {
            FaceLayout face;
            setUpFace(face);
            face.chosenGirl = row.girl;
            centreOnTargets(face, 1 - row.girl, 100, 100);
            centreOnTargets(face, row.girl, row.dx, row.dy);
            QCOMPARE(measurePlacement(face), row.expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestGameRules)
#include "tst_game_rules.moc"
