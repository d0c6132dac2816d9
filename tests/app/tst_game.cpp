// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/drag_rules.h"
#include "game/scoring.h"
#include "game_fixture.h"
#include "tests/support/gui_test_main.h"
#include "ui/backdrop.h"
#include "ui/status_panel.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace gp;

class TestGame : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> f;

    // Whether start, stop, the girl menu, the hint timer, both covers and the whole face are on.
    QString switches() const
    {
        const MenuActions& a = f->window->actions();
        QString on;
        for (bool b : {a.start->isEnabled(), a.stop->isEnabled(),
                       a.girlMenu->menuAction()->isEnabled(), f->window->hintTimer()->isActive(),
                       f->window->cover(0)->isVisible() && f->window->cover(1)->isVisible(),
                       f->window->completeFace(0)->isVisible()})
            on += b ? u'1' : u'0';
        return on;
    }

private slots:
    void init() { f = std::make_unique<GameFixture>(); }
    void cleanup() { f.reset(); }

    void doneScoresAndRatesThePlacement_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("cue");
        QTest::addColumn<int>("record"); // held before the game: a beaten one asks for a name
        QTest::newRow("399.6 rounds up before rating") << 186 << 400 << "Good" << 1000;
        QTest::newRow("398") << 187 << 398 << "Bad" << 1000;
        QTest::newRow("601") << 106 << 601 << "VeryGood" << 1000;
        QTest::newRow("598") << 107 << 598 << "Good" << 1000;
        QTest::newRow("half the start distance") << 858 << 4 << "Bad" << 1000;
        QTest::newRow("perfect, record equalled") << 0 << 1000 << "VeryGood" << 1000;
        QTest::newRow("perfect, record beaten") << 0 << 1000 << "VeryGood" << 999;
        QTest::newRow("no closer than at start") << 1717 << 0 << "Bad" << 1000;
        // Negative gains must be clamped: raised to the eighth power they would turn positive.
        QTest::newRow("further than at start") << -1 << 0 << "Bad" << 1000;
        // More than twice as far: unclamped, the ratio's eighth power would pass for a record.
        QTest::newRow("more than twice as far") << -2 << 0 << "Bad" << 1000;
    }
    // Whole games ended by the done button, the mouth left `total` pixels from its target.
    void doneScoresAndRatesThePlacement()
    {
        QFETCH(int, total);
        QFETCH(int, score);
        QFETCH(QString, cue);
        QFETCH(int, record);
        f->controller->record().score = std::int16_t(record);
        f->controller->startGame();
        QCOMPARE(f->state.startDistance, 1717);
        if (total == -1)
            f->window->part(GirlA, 0)->moveTo(900, 20);
        else if (total == -2) // 2593 px right of its target
            f->window->part(GirlA, 0)->moveTo(2736, 181.5f);
        else if (total < 1717)
            f->placeParts(GirlA, total);
        f->clock.now += 30;
        f->window->statusFrame()->doneButton()->click();

        if (total < 0)
            QVERIFY(f->state.measuredDistance > -total * f->state.startDistance);
        else
            QCOMPARE(f->state.measuredDistance, total);
        QCOMPARE(f->state.score, std::int16_t(score));
        QCOMPARE(f->cues, QStringList{cue});
        QCOMPARE(f->window->statusFrame()->scorePanel()->caption(), QString::number(score));
        QCOMPARE(f->spoken.last(), QStringLiteral("得点 %1 点、%2").arg(score).arg(cue));
        QVERIFY(!f->controller->gameLoop().isWaiting());
        QCOMPARE(f->newRecordDialogs, int(score > record));
        QCoreApplication::processEvents(); // the prompt waits for the dialog
        QCOMPARE(f->spoken.last().startsWith(QStringLiteral("記録更新です。%1 点。").arg(score)),
                 score > record);
        QCOMPARE(f->controller->record().score, std::int16_t(std::max(score, record)));
    }

    void zeroStartDistanceScoresZero() { QCOMPARE(computeScore(0, 0), std::int16_t(0)); }

    void menusFollowTheGame()
    {
        const QString idle = QStringLiteral("101001");
        const QString playing = QStringLiteral("010110");
        QCOMPARE(switches(), idle);
        f->controller->startGame();
        QCOMPARE(switches(), playing);
        // The girl commands do nothing during a game, even if reached.
        f->controller->chooseGirl(GirlB);
        QVERIFY(f->window->actions().girls[GirlA]->isChecked());

        f->window->actions().stop->trigger();
        QCOMPARE(switches(), idle);
        QVERIFY(f->cues.isEmpty() && f->messages.isEmpty());
        QCOMPARE(f->window->statusFrame()->scorePanel()->caption(), QString());

        // Done outside a game leaves nothing for the next one.
        f->window->statusFrame()->doneButton()->click();
        f->controller->startGame();
        QVERIFY(!f->state.doneDeclared);
        f->controller->startGame(); // a second start while playing changes nothing
        QCOMPARE(switches(), playing);
        f->window->statusFrame()->doneButton()->click();
        QCOMPARE(switches().left(3), idle.left(3));
        QCOMPARE(f->cues, QStringList{"Bad"});
    }

    void choosingAGirlSetsUpHerFace()
    {
        const auto& girls = f->window->actions().girls;
        for (int girl : {GirlB, GirlB, GirlA}) {
            girls[girl]->trigger();
            QVERIFY(girls[girl]->isChecked() && !girls[1 - girl]->isChecked());
            QCOMPARE(f->window->playArea(GirlA)->isVisible(), girl == GirlA);
            QVERIFY(f->window->completeFace(girl)->isVisible());
            QCOMPARE(f->state.startDistance, girl == GirlA ? 1717 : 1645);
            // Choosing her again puts her parts back.
            QVERIFY(girl == GirlA || f->window->part(GirlB, 2)->pos() == QPoint(450, 100));
            f->window->part(GirlB, 2)->moveTo(10, 10);
        }
    }

    void soundSwitchCaptionShowsTheSwitch()
    {
        QAction* sw = f->window->actions().soundSwitch;
        for (const char* caption : {"OFF", "ON", "OFF"}) {
            sw->trigger();
            QCOMPARE(sw->text(), QLatin1String(caption));
        }
    }

    void gaugeChangesColourUntilTimeRunsOut()
    {
        const double t0 = f->clock.now;
        f->controller->startGame();
        const QColor blue(0, 0, 255), yellow(255, 255, 0), red(255, 0, 0);
        const std::pair<double, QColor> steps[] = {
            {126, blue}, {127, yellow}, {162, yellow}, {163, red}, {179.2, red}};
        for (const auto& [at, colour] : steps) {
            f->advanceTo(at, t0);
            QCOMPARE(f->window->statusFrame()->timeGauge()->gaugeColor(), colour);
            QVERIFY(f->messages.isEmpty());
        }
        // Started at .25 past a second: the rounded elapsed time reaches 180 at 179.25 s.
        f->advanceTo(179.3, t0);
        QCOMPARE(f->messages, QStringList{"時間切れ ！|warning"});
        QCOMPARE(f->spoken.last(), QStringLiteral("時間切れ ！"));
        QVERIFY(f->coversOnAtMessage);
        QVERIFY(!f->window->cover(0)->isVisible());
        QCOMPARE(f->window->statusFrame()->timeGauge()->gaugePercent(), 0.0);
        QVERIFY(f->cues.isEmpty());
        QVERIFY(!f->state.gameRunning);

        // The next set-up paints the gauge blue again.
        f->window->actions().girls[GirlA]->trigger();
        QCOMPARE(f->window->statusFrame()->timeGauge()->gaugeColor(), blue);
    }

    // A game always opens with a horizontal hint, whatever the last one left behind.
    void startingAGameBeginsWithAHorizontalHint()
    {
        DragRules& drag = f->controller->dragRules();
        const QString right = QStringLiteral("もっと右 右 ！");
        for (int game = 0; game < 2; ++game) {
            f->controller->startGame();
            QVERIFY(drag.pressPart(GirlA, 4, 240, 480));
            drag.pointerOverCover(100, 100);
            f->controller->hintTick();
            drag.dropOnPlayArea(GirlA, 4, 100, 100); // a tick with nothing carried keeps the hint
            f->controller->hintTick();
            QCOMPARE(f->window->statusFrame()->hintPanel()->caption(), right);
            // The first game ends with the next hint due on the vertical axis.
            f->window->actions().stop->trigger();
        }
        QCOMPARE(f->cues, (QStringList{QStringLiteral("Right"), QStringLiteral("Right")}));
    }
};

GP_GUI_TEST_MAIN(TestGame)
#include "tst_game.moc"
