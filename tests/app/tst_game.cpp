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

    // Whether start, stop and the girl menu are enabled.
    QList<bool> menus() const
    {
        const MenuActions& a = f->window->actions();
        return {a.start->isEnabled(), a.stop->isEnabled(), a.girlMenu->menuAction()->isEnabled()};
    }

private slots:
    void init() { f = std::make_unique<GameFixture>(); }
    void cleanup() { f.reset(); }

    void doneScoresAndRatesThePlacement_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("cue");
        QTest::newRow("399.6 rounds up before rating") << 186 << 400 << "Good";
        QTest::newRow("398") << 187 << 398 << "Bad";
        QTest::newRow("601") << 106 << 601 << "VeryGood";
        QTest::newRow("598") << 107 << 598 << "Good";
        QTest::newRow("half the start distance") << 858 << 4 << "Bad";
        QTest::newRow("perfect") << 0 << 1000 << "VeryGood";
        QTest::newRow("no closer than at start") << 1717 << 0 << "Bad";
        // Negative gains must be clamped: raised to the eighth power they would turn positive.
        QTest::newRow("further than at start") << -1 << 0 << "Bad";
        // More than twice as far: unclamped, the ratio's eighth power would pass for a record.
        QTest::newRow("more than twice as far") << -2 << 0 << "Bad";
    }
    // Whole games ended by the done button, the mouth left `total` pixels from its target.
    void doneScoresAndRatesThePlacement()
    {
        QFETCH(int, total);
        QFETCH(int, score);
        QFETCH(QString, cue);
        f->controller->record().score = 1000;
        f->controller->startGame();
        QCOMPARE(f->state.startDistance, 1717);
        if (total == -1)
            f->window->part(GirlA, 0)->moveTo(900, 20);
        else if (total == -2)
            f->window->part(GirlA, 0)->moveTo(2736, 181.5f); // 2593 px right of its target
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
        QCOMPARE(f->newRecordDialogs, 0);
        QVERIFY(!f->controller->gameLoop().isWaiting());
    }

    void zeroStartDistanceScoresZero() { QCOMPARE(computeScore(0, 0), std::int16_t(0)); }

    void menusFollowTheGame()
    {
        const QList<bool> idle{true, false, true};
        const QList<bool> playing{false, true, false};
        QCOMPARE(menus(), idle);
        f->controller->startGame();
        QCOMPARE(menus(), playing);
        QVERIFY(f->window->hintTimer()->isActive());
        QVERIFY(f->window->cover(0)->isVisible() && f->window->cover(1)->isVisible());
        QVERIFY(!f->window->completeFace(0)->isVisible());

        // The girl commands do nothing during a game, even if reached.
        f->controller->chooseGirl(GirlB);
        QVERIFY(f->window->actions().girls[GirlA]->isChecked());

        f->window->actions().stop->trigger();
        QCOMPARE(menus(), idle);
        QVERIFY(!f->window->hintTimer()->isActive());
        QVERIFY(!f->window->cover(0)->isVisible());
        QVERIFY(f->window->completeFace(0)->isVisible());
        QVERIFY(f->cues.isEmpty() && f->messages.isEmpty());
        QCOMPARE(f->window->statusFrame()->scorePanel()->caption(), QString());

        // Done outside a game leaves nothing for the next one.
        f->window->statusFrame()->doneButton()->click();
        f->controller->startGame();
        QVERIFY(!f->state.doneDeclared);
        f->controller->startGame(); // a second start while playing changes nothing
        QCOMPARE(menus(), playing);
        f->window->statusFrame()->doneButton()->click();
        QCOMPARE(menus(), idle);
        QCOMPARE(f->cues, QStringList{"Bad"});
    }

    void choosingAGirlSetsUpHerFace()
    {
        f->window->actions().girls[GirlB]->trigger();
        QVERIFY(!f->window->actions().girls[GirlA]->isChecked() &&
                f->window->actions().girls[GirlB]->isChecked());
        QVERIFY(!f->window->playArea(0)->isVisible());
        QVERIFY(f->window->completeFace(1)->isVisible());
        QCOMPARE(f->state.startDistance, 1645);
        // Choosing her again puts her parts back.
        f->window->part(GirlB, 2)->moveTo(10, 10);
        f->window->actions().girls[GirlB]->trigger();
        QVERIFY(f->window->actions().girls[GirlB]->isChecked());
        QCOMPARE(f->window->part(GirlB, 2)->pos(), QPoint(450, 100));
        f->window->actions().girls[GirlA]->trigger();
        QVERIFY(f->window->actions().girls[GirlA]->isChecked() &&
                !f->window->actions().girls[GirlB]->isChecked());
        QVERIFY(f->window->playArea(0)->isVisible());
        QCOMPARE(f->state.startDistance, 1717);
    }

    void soundSwitchCaptionShowsTheSwitch()
    {
        QAction* sw = f->window->actions().soundSwitch;
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            sw->trigger();
            seen << sw->text();
        }
        QCOMPARE(seen, (QStringList{"OFF", "ON", "OFF"}));
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

    void onlyABeatenRecordAsksForAName_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("beaten") << 999 << 1;
        QTest::newRow("equalled") << 1000 << 0;
    }
    void onlyABeatenRecordAsksForAName()
    {
        QFETCH(int, record);
        QFETCH(int, dialogs);
        f->controller->record().score = std::int16_t(record);
        f->controller->startGame();
        f->placeParts(GirlA);
        f->window->statusFrame()->doneButton()->click();
        QCOMPARE(f->newRecordDialogs, dialogs);
        QCoreApplication::processEvents(); // the prompt waits for the dialog
        QCOMPARE(f->spoken.last().startsWith(QStringLiteral("記録更新です。1000 点。")),
                 dialogs == 1);
        QCOMPARE(f->controller->record().score, std::int16_t(1000));
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
            QCOMPARE(f->window->statusFrame()->hintPanel()->caption(), right);
            // The first game ends with the next hint due on the vertical axis.
            f->window->actions().stop->trigger();
        }
        QCOMPARE(f->cues, (QStringList{QStringLiteral("Right"), QStringLiteral("Right")}));
    }

    void debugModeLastsOneGame()
    {
        f->state.debugNextGame = true;
        f->controller->startGame();
        QVERIFY(!f->window->cover(0)->isVisible());
        QVERIFY(f->window->part(GirlA, 0)->dragIcon().isNull());
        f->window->actions().stop->trigger();
        QVERIFY(!f->state.debugNextGame);
        f->controller->startGame();
        QVERIFY(f->window->cover(0)->isVisible());
        QVERIFY(!f->window->part(GirlA, 0)->dragIcon().isNull());
    }
};

GP_GUI_TEST_MAIN(TestGame)
#include "tst_game.moc"
