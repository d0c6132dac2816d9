// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/drag_rules.h"
#include "game_fixture.h"
#include "tests/support/gui_test_main.h"
#include "ui/part_dragger.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace gp;

class TestDrag : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> f;
    DragRules& drag() { return f->controller->dragRules(); }
    QPointF nosePos() const
    {
        return {f->window->part(GirlA, 4)->left(), f->window->part(GirlA, 4)->top()};
    }

private slots:
    void init()
    {
        f = std::make_unique<GameFixture>();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    }
    void cleanup() { f.reset(); }

    void dropPlacesTheCarriedPart_data()
    {
        QTest::addColumn<QString>("onto");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QPointF>("expected");
        QTest::addColumn<bool>("dragging");
        // The nose, at its start place (465, 250), is grabbed at 240, 480 grab units (16, 32 px).
        QTest::newRow("cover") << "cover" << QPointF(200, 150) << QPointF(184, 118) << false;
        QTest::newRow("fractions kept")
            << "cover" << QPointF(500.5, 10) << QPointF(484.5, -22) << false;
        QTest::newRow("itself") << "self" << QPointF(540, 600) << QPointF(485, 258) << false;
        // Onto the mouth at (465, 345): relative to the mouth's corner.
        QTest::newRow("another part") << "mouth" << QPointF(300, 300) << QPointF(469, 333) << false;
        QTest::newRow("nothing takes it") << "none" << QPointF() << QPointF(465, 250) << true;
    }
    void dropPlacesTheCarriedPart()
    {
        QFETCH(QString, onto);
        QFETCH(QPointF, at);
        QFETCH(QPointF, expected);
        QFETCH(bool, dragging);
        f->controller->startGame();
        QVERIFY(drag().pressPart(GirlA, 4, 240, 480));
        const float x = float(at.x());
        const float y = float(at.y());
        if (onto == QLatin1String("cover"))
            drag().dropOnPlayArea(GirlA, 4, x, y);
        else if (onto == QLatin1String("self"))
            drag().dropOnPart(GirlA, 4, x, y);
        else if (onto == QLatin1String("mouth"))
            drag().dropOnPart(GirlA, 5, x, y);
        QCOMPARE(nosePos(), expected);
        QCOMPARE(f->state.dragging, dragging);
    }

    void noDragOutsideAGame_data()
    {
        QTest::addColumn<QString>("onto");
        QTest::newRow("play area or cover") << "cover";
        QTest::newRow("itself") << "self";
        QTest::newRow("another part") << "mouth";
    }
    void noDragOutsideAGame()
    {
        QFETCH(QString, onto);
        QVERIFY(!drag().pressPart(GirlA, 4, 240, 480));
        QVERIFY(!f->state.dragging);
        QCOMPARE(f->state.grabOffsetX, std::int16_t(0));

        // A drop after the game has ended moves nothing and leaves the flag alone.
        f->controller->startGame();
        drag().pressPart(GirlA, 4, 240, 480);
        f->window->actions().stop->trigger();
        if (onto == QLatin1String("cover"))
            drag().dropOnPlayArea(GirlA, 4, 200, 150);
        else
            drag().dropOnPart(GirlA, onto == QLatin1String("self") ? 4 : 5, 540, 600);
        QCOMPARE(nosePos(), QPointF(465, 250));
        QVERIFY(f->state.dragging);
    }

    // The worked example through real mouse events: press on the nose, carry it over the cover,
    // release there. The pointer is hidden while it is carried and comes back at the release.
    void realMouseCarriesAPartBlind()
    {
        f->controller->startGame();
        Sprite* nose = f->window->part(GirlA, 4);
        QWidget* cover = f->window->cover(0);
        QTest::mousePress(nose, Qt::LeftButton, {}, QPoint(16, 32));
        QVERIFY(f->state.dragging);
        QVERIFY(QApplication::overrideCursor() != nullptr);

        QTest::mouseMove(cover, QPoint(100, 80));
        QCOMPARE(f->state.pointerZone, PointerZone::Cover);
        QCOMPARE(f->state.pointerX, std::int16_t(100));
        QCOMPARE(f->window->pointerXLabel()->text(), QStringLiteral("100"));
        QTest::mouseMove(f->window->part(GirlA, 0));
        QCOMPARE(f->state.pointerZone, PointerZone::Part);
        QCOMPARE(f->state.partUnderPointer, 0);

        QTest::mouseRelease(cover, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(nosePos(), QPointF(184, 118));
        QVERIFY(!f->state.dragging);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // Under the cover now: the pointer finds the cover, not the nose.
        QCOMPARE(f->window->playArea(0)->childAt(190, 130), cover);
    }

    // Debug mode: the pointer stays and an outline of the part, above the cover, follows it.
    void debugModeShowsAnOutlineAboveTheCover()
    {
        f->state.debugNextGame = true;
        f->controller->startGame();
        f->window->cover(0)->show(); // make sure the outline lies above a shown cover
        QTest::mousePress(f->window->part(GirlA, 5), Qt::LeftButton, {}, QPoint(4, 6));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::mouseMove(f->window->cover(0), QPoint(100, 90));
        QWidget* outline = nullptr;
        for (QWidget* w : f->window->playArea(0)->findChildren<QWidget*>())
            if (w->testAttribute(Qt::WA_TransparentForMouseEvents) && w->isVisible())
                outline = w;
        QVERIFY(outline);
        QCOMPARE(outline->geometry(), QRect(96, 84, 32, 32));
        const auto siblings = f->window->playArea(0)->children();
        QVERIFY(siblings.indexOf(outline) > siblings.indexOf(f->window->cover(0)));
        QTest::mouseRelease(f->window->cover(0), Qt::LeftButton, {}, QPoint(100, 90));
        QVERIFY(!outline->isVisible());
        QCOMPARE(f->window->part(GirlA, 5)->pos(), QPoint(96, 84));
    }

    void pointerComesBackWhenCarryingStops()
    {
        f->controller->startGame();
        QTest::mousePress(f->window->part(GirlA, 2), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(QApplication::overrideCursor() != nullptr);
        f->window->statusFrame()->doneButton()->click(); // the game ends while the part is carried
        QVERIFY(QApplication::overrideCursor() == nullptr);

        f->controller->startGame();
        QTest::mousePress(f->window->part(GirlA, 2), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(f->window.get(), &deactivate);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

GP_GUI_TEST_MAIN(TestDrag)
#include "tst_drag.moc"
