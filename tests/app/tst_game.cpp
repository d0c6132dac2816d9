#include "game/scoring.h"
#include "game_fixture.h"
#include "ui/status_panel.h"
#include "ui/backdrop.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace gp;

class TestGame : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> f;

    struct Menus
    {
        bool start, pause, girls;
        bool operator==(const Menus&) const = default;
    };
    Menus menus() const
    {
        return {f->form->start->isEnabled(), f->form->Pause->isEnabled(),
                f->form->SelGAL->menuAction()->isEnabled()};
    }

private slots:
    void init() { f = std::make_unique<GameFixture>(); }
    void cleanup() { f.reset(); }

    void scoreTable_data()
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
        QTest::newRow("further than at start") << -1 << 0 << "Bad";
    }
    // Whole games ended by the done button, the mouth left `total` pixels from its target.
    void scoreTable()
    {
        QFETCH(int, total);
        QFETCH(int, score);
        QFETCH(QString, cue);
        f->state.HighScore = 1000;
        f->controller->start_Click();
        QCOMPARE(f->state.StartDistance, 1717);
        if (total < 0)
            f->form->Image1[0]->moveTo(900, 20);
        else if (total < 1717)
            f->placeParts(GirlA, total);
        f->clock.now += 30;
        f->form->Command1->click();

        if (total < 0)
            QVERIFY(f->state.TotalDistance > f->state.StartDistance);
        else
            QCOMPARE(f->state.TotalDistance, total);
        QCOMPARE(f->state.Score, std::int16_t(score));
        QCOMPARE(f->cues, QStringList{cue});
        QCOMPARE(f->form->Panel3D4->caption(), QString::number(score));
        QCOMPARE(f->newRecordDialogs, 0);
        QVERIFY(!f->controller->gameLoop().isWaiting());
    }

    void zeroStartDistanceScoresZero() { QCOMPARE(computeScore(0, 0), std::int16_t(0)); }

    void commandStates()
    {
        const Menus idle{true, false, true};
        const Menus playing{false, true, false};
        QVERIFY(menus() == idle);
        f->controller->start_Click();
        QVERIFY(menus() == playing);
        QVERIFY(f->form->Timer1->isActive());
        QVERIFY(f->form->Picture2[0]->isVisible() && f->form->Picture2[1]->isVisible());
        QVERIFY(!f->form->Image2[0]->isVisible());

        // The girl commands do nothing during a game, even if reached.
        f->controller->GAL_B_Click();
        QVERIFY(f->form->GAL_A->isChecked());

        f->form->Pause->trigger();
        QVERIFY(menus() == idle);
        QVERIFY(!f->form->Timer1->isActive());
        QVERIFY(!f->form->Picture2[0]->isVisible());
        QVERIFY(f->form->Image2[0]->isVisible());
        QVERIFY(f->cues.isEmpty() && f->messages.isEmpty());
        QCOMPARE(f->form->Panel3D4->caption(), QString());

        // Done outside a game leaves nothing for the next one.
        f->form->Command1->click();
        f->controller->start_Click();
        QCOMPARE(f->state.DoneFlag, std::int16_t(0));
        f->controller->start_Click(); // a second start while playing changes nothing
        QVERIFY(menus() == playing);
        f->form->Command1->click();
        QVERIFY(menus() == idle);
        QCOMPARE(f->cues, QStringList{"Bad"});
    }

    void girlSwitch()
    {
        f->form->GAL_B->trigger();
        QVERIFY(!f->form->GAL_A->isChecked() && f->form->GAL_B->isChecked());
        QVERIFY(!f->form->Picture1[0]->isVisible());
        QVERIFY(f->form->Image2[1]->isVisible());
        QCOMPARE(f->state.StartDistance, 1645);
        // Choosing her again puts her parts back.
        f->form->Image3[2]->moveTo(10, 10);
        f->form->GAL_B->trigger();
        QVERIFY(f->form->GAL_B->isChecked());
        QCOMPARE(f->form->Image3[2]->pos(), QPoint(450, 100));
        f->form->GAL_A->trigger();
        QVERIFY(f->form->GAL_A->isChecked() && !f->form->GAL_B->isChecked());
        QVERIFY(f->form->Picture1[0]->isVisible());
        QCOMPARE(f->state.StartDistance, 1717);
    }

    void soundSwitch()
    {
        QAction* sw = f->form->SilentMode_OnOFF;
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            sw->trigger();
            seen << sw->text();
        }
        QCOMPARE(seen, (QStringList{"OFF", "ON", "OFF"}));
        sw->setText(QStringLiteral("on"));
        sw->trigger();
        QCOMPARE(sw->text(), QStringLiteral("on"));
    }

    void gaugeAndTimeOut()
    {
        const double t0 = f->clock.now;
        f->controller->start_Click();
        struct Step
        {
            double at;
            std::uint32_t colour;
        };
        const Step steps[] = {
            {126, 0xFF0000}, {127, 0x00FFFF}, {162, 0x00FFFF}, {163, 0x0000FF}, {179.2, 0x0000FF}};
        for (const Step& s : steps) {
            f->advanceTo(s.at, t0);
            QCOMPARE(f->form->Panel3D2->gaugeColor(), s.colour);
            QVERIFY(f->messages.isEmpty());
        }
        // Started at .25 past a second: the rounded elapsed time reaches 180 at 179.25 s.
        f->advanceTo(179.3, t0);
        QCOMPARE(f->messages, QStringList{"時間切れ ！|48"});
        QVERIFY(f->coversOnAtMessage);
        QVERIFY(!f->form->Picture2[0]->isVisible());
        QCOMPARE(f->form->Panel3D2->gaugePercent(), 0.0);
        QVERIFY(f->cues.isEmpty());
        QCOMPARE(f->state.GameRunning, std::int16_t(0));

        // The next set-up paints the gauge blue again.
        f->form->GAL_A->trigger();
        QCOMPARE(f->form->Panel3D2->gaugeColor(), std::uint32_t(0xFF0000));
    }

    void newRecord_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("beaten") << 999 << 1;
        QTest::newRow("equalled") << 1000 << 0;
    }
    void newRecord()
    {
        QFETCH(int, record);
        QFETCH(int, dialogs);
        f->state.HighScore = std::int16_t(record);
        f->controller->start_Click();
        f->placeParts(GirlA);
        f->form->Command1->click();
        QCOMPARE(f->newRecordDialogs, dialogs);
        QCOMPARE(f->state.HighScore, std::int16_t(1000));
    }

    void debugModeLastsOneGame()
    {
        f->state.DebugMode = 1;
        f->controller->start_Click();
        QVERIFY(!f->form->Picture2[0]->isVisible());
        QVERIFY(f->form->Image1[0]->dragIcon().isNull());
        f->form->Pause->trigger();
        QCOMPARE(f->state.DebugMode, std::int16_t(0));
        f->controller->start_Click();
        QVERIFY(f->form->Picture2[0]->isVisible());
        QVERIFY(!f->form->Image1[0]->dragIcon().isNull());
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
