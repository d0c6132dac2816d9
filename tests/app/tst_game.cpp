// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/evaluation.h"
#include "game/scoring.h"
#include "game_fixture.h"
#include "tests/support/gui_test_main.h"
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

    // Whether start, stop, the girl menu, the game, both covers and the whole face are on.
    QString switches() const
    {
        const MenuActions& a = f->window->actions();
        QString on;
        for (bool b : {a.start->isEnabled(), a.stop->isEnabled(),
                       a.girlMenu->menuAction()->isEnabled(), f->model.phase() == Phase::Running,
                       f->window->cover(0)->isVisible() && f->window->cover(1)->isVisible(),
                       f->window->completeFace(0)->isVisible()})
            on += b ? u'1' : u'0';
        return on;
    }

    // The colour at the gauge's right end, where it fills from; invalid while too narrow to tell.
    QColor gaugeFill() const
    {
        StatusPanel* gauge = f->window->statusFrame()->timeGauge();
        const QRectF fill = gauge->gaugeRect();
        if (fill.width() < 3)
            return {};
        return gauge->grab().toImage().pixelColor(int(fill.right()) - 2, int(fill.center().y()));
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
        f->holdRecord(QStringLiteral("Todo"), record);
        f->model.startGame();
        QCOMPARE(measurePlacement(f->model.face()), 1717);
        if (total == -1)
            f->putPart(GirlA, 0, 900, 20);
        else if (total == -2) // 2593 px right of its target
            f->putPart(GirlA, 0, 2736, 181.5f);
        else if (total < 1717)
            f->placeParts(GirlA, total);
        f->now += 30;
        f->window->statusFrame()->doneButton()->click();

        if (total < 0)
            QVERIFY(measurePlacement(f->model.face()) > -total * 1717);
        else
            QCOMPARE(measurePlacement(f->model.face()), total);
        QCOMPARE(f->model.score(), std::int16_t(score));
        QCOMPARE(f->cues, QStringList{cue});
        QCOMPARE(f->window->statusFrame()->scorePanel()->caption(), QString::number(score));
        QCOMPARE(f->spoken.last(), QStringLiteral("得点 %1 点、%2").arg(score).arg(cue));
        QCOMPARE(f->model.phase(), Phase::Done);
        QCOMPARE(f->newRecordDialogs, int(score > record));
        QCoreApplication::processEvents(); // the prompt waits for the dialog
        QCOMPARE(f->spoken.last().startsWith(QStringLiteral("記録更新です。%1 点。").arg(score)),
                 score > record);
        QCOMPARE(f->model.record().score, std::int16_t(std::max(score, record)));
        // A new record is shown as the name entry leaves it, with a blank before the score.
        QCOMPARE(f->window->statusFrame()->recordScorePanel()->caption(),
                 score > record ? QStringLiteral(" %1").arg(score) : QString::number(record));
    }

    void zeroStartDistanceScoresZero() { QCOMPARE(computeScore(0, 0), std::int16_t(0)); }

    void menusFollowTheGame()
    {
        const QString idle = "101001", playing = "010110";
        const MenuActions& a = f->window->actions();
        QCOMPARE(switches(), idle);
        a.start->trigger();
        QCOMPARE(switches(), playing);
        // The girl commands do nothing during a game, even if reached.
        f->model.chooseGirl(GirlB);
        QVERIFY(a.girls[GirlA]->isChecked());
        QCOMPARE(f->model.chosenGirl(), int(GirlA));

        a.stop->trigger();
        QCOMPARE(switches(), idle);
        QCOMPARE(f->model.phase(), Phase::Idle);
        QVERIFY(f->cues.isEmpty() && f->messages.isEmpty());
        QCOMPARE(f->window->statusFrame()->scorePanel()->caption(), QString());

        // Done outside a game leaves nothing for the next one: stopped, it is not scored.
        f->window->statusFrame()->doneButton()->click();
        a.start->trigger();
        a.stop->trigger();
        QVERIFY(f->cues.isEmpty());
        a.start->trigger();
        f->model.startGame(); // a second start while playing changes nothing
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
            // Her parts are back in the tray, wherever the last game left them.
            QCOMPARE(f->window->part(girl, 2)->pos(), QPoint(kStartColumnLeft[girl], 100));
            // Her game is measured against her own start: the mouth 100 px off its target.
            f->model.startGame();
            f->placeParts(girl, 100);
            f->window->statusFrame()->doneButton()->click();
            QCOMPARE(f->model.score(), computeScore(girl == GirlA ? 1717 : 1645, 100));
        }
    }

    void soundSwitchCaptionShowsTheSwitch()
    {
        QAction* sw = f->window->actions().soundSwitch;
        for (const char* caption : {"OFF", "ON", "OFF"}) {
            sw->trigger();
            QCOMPARE(sw->text(), QLatin1String(caption));
            QCOMPARE(f->model.isSoundOn(), sw->text() == "ON");
        }
    }

    void gaugeChangesColourUntilTimeRunsOut()
    {
        const double t0 = f->now;
        f->model.startGame();
        const QColor blue(0, 0, 255), yellow(255, 255, 0), red(255, 0, 0);
        using Step = GaugeStep;
        const std::tuple<double, Step, QColor> steps[] = {{126, Step::Ample, blue},
                                                          {127, Step::Low, yellow},
                                                          {162, Step::Low, yellow},
                                                          {163, Step::Critical, red},
                                                          {179.2, Step::Critical, {}}};
        for (const auto& [at, step, colour] : steps) {
            f->advanceTo(at, t0);
            QCOMPARE(f->model.gaugeStep(), step);
            QCOMPARE(gaugeFill(), colour);
            QVERIFY(f->messages.isEmpty());
        }
        // Started at .25 past a second: the rounded elapsed time reaches 180 at 179.25 s.
        f->advanceTo(179.3, t0);
        QCOMPARE(f->messages, QStringList{"時間切れ ！|warning"});
        QCOMPARE(f->spoken.last(), QStringLiteral("時間切れ ！"));
        QVERIFY(f->coversOnAtMessage);
        QVERIFY(!f->window->cover(0)->isVisible());
        QCOMPARE(f->model.remainingPercent(), 0.0);
        QVERIFY(f->window->statusFrame()->timeGauge()->gaugeRect().isEmpty());
        QVERIFY(f->cues.isEmpty());
        QCOMPARE(f->model.phase(), Phase::Done);

        // The next set-up paints the gauge blue again.
        f->window->actions().girls[GirlA]->trigger();
        QCOMPARE(f->model.gaugeStep(), GaugeStep::Ample);
        f->window->actions().start->trigger();
        QCOMPARE(gaugeFill(), blue);
    }

    // A game always opens with a horizontal hint, whatever the last one left behind.
    void startingAGameBeginsWithAHorizontalHint()
    {
        GameModel& game = f->model;
        const QString right = QStringLiteral("もっと右 右 ！");
        for (int round = 0; round < 2; ++round) {
            game.startGame();
            QVERIFY(game.pressPart(GirlA, 4, 240, 480));
            game.pointerOverCover(100, 100);
            game.hintTick();
            game.dropOnPlayArea(GirlA, 4, 100, 100); // a tick with nothing carried keeps the hint
            game.hintTick();
            QCOMPARE(f->window->statusFrame()->hintPanel()->caption(), right);
            // The first game ends with the next hint due on the vertical axis.
            f->window->actions().stop->trigger();
        }
        QCOMPARE(f->cues, (QStringList{QStringLiteral("Right"), QStringLiteral("Right")}));
    }

    // The hints come on the game's own one-second beat, and stop with the game.
    void hintsFollowTheBeatOfTheGame()
    {
        f->model.startGame();
        QVERIFY(f->model.pressPart(GirlA, 4, 0, 0));
        f->model.pointerOverPart(2);
        QTRY_COMPARE_WITH_TIMEOUT(f->spoken.last(), QStringLiteral("右目の上"), 1500);
        f->window->actions().stop->trigger();
        const qsizetype heard = f->spoken.size();
        QTest::qWait(1200);
        QCOMPARE(f->spoken.size(), heard);
    }
};

GP_GUI_TEST_MAIN(TestGame)
#include "tst_game.moc"
