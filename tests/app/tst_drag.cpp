// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/rounding.h"
#include "game_fixture.h"
#include "tests/support/gui_test_main.h"

#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace gp;

class TestDrag : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> f;
    // Where the model keeps girl A's part; the window shows it at the nearest whole pixel.
    QPointF partPos(int part) const
    {
        const PartRect& place = f->model.partRect(GirlA, part);
        const QPoint shown(roundHalfEven(place.left), roundHalfEven(place.top));
        return f->window->part(GirlA, part)->pos() == shown ? QPointF(place.left, place.top)
                                                            : QPointF(-1e6, -1e6);
    }
    bool carrying() const { return f->model.carriedPart() >= 0; }

    // A pointer event at a window point as a screen of the given device pixel ratio reports it:
    // the last device pixel of that logical pixel, in logical pixels with its fraction. It goes
    // to the part the press grabbed, as the application delivers it.
    void sendPointer(QEvent::Type type, QWidget* grabbed, QPoint windowPoint, double ratio)
    {
        QWidget* window = f->window.get();
        const auto lastDevicePixel = [ratio](int logical) {
            return (std::ceil((logical + 1) * ratio) - 1) / ratio;
        };
        const QPointF point(lastDevicePixel(windowPoint.x()), lastDevicePixel(windowPoint.y()));
        QMouseEvent event(
            type, point - QPointF(grabbed->mapTo(window, QPoint())), window->mapToGlobal(point),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grabbed, &event);
    }

    // Plays girl A's game by a script of steps, each a letter and a count that repeats it. By
    // keys, or by the mouse as on a screen of the given device pixel ratio: a digit takes that
    // part by its middle, L R U D move it 5 pixels, l r u d 1 pixel, h reports where it is held, E
    // drops it, X drops it back on itself. Always: ! is the done button's key, t a hint tick, c a
    // click on the done button, ep, em and er a mouse press, move and release over the left eye,
    // g a mouse press on the left eyebrow, a the menus opened by Alt, f the focus lost and back, v
    // the nose laid under the cover, o the game stopped, s a new one started; "hidden" checks
    // that the pointer is.
    void play(const QString& script, double ratio = 0) // 0: by keys
    {
        QWidget* keys = f->window->statusFrame()->doneButton(); // keys reach the focus widget
        QWidget* window = f->window.get();
        QWidget* area = f->window->playArea(GirlA);
        QWidget* eye = f->window->part(GirlA, 3);
        const QMap<QChar, Qt::Key> named{{u'L', Qt::Key_Left},   {u'R', Qt::Key_Right},
                                         {u'U', Qt::Key_Up},     {u'D', Qt::Key_Down},
                                         {u'E', Qt::Key_Return}, {u'X', Qt::Key_Escape},
                                         {u'!', Qt::Key_Space}};
        const QString moving = QStringLiteral("LRUDlrudh");
        const QPoint moves[] = {{-5, 0}, {5, 0},  {0, -5}, {0, 5}, {-1, 0},
                                {1, 0},  {0, -1}, {0, 1},  {0, 0}};
        Sprite* held = nullptr;
        QPoint grab, at; // at: play-area pixels
        for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
            if (step == u"ep")
                QTest::mousePress(eye, Qt::LeftButton, {}, eye->rect().center());
            else if (step == u"em")
                QTest::mouseMove(eye, eye->rect().center() + QPoint(1, 1));
            else if (step == u"er")
                QTest::mouseRelease(eye, Qt::LeftButton, {}, eye->rect().center());
            else if (step == u"t")
                f->model.hintTick();
            else if (step == u"c")
                QTest::mouseClick(keys, Qt::LeftButton);
            else if (step == u"g")
                QTest::mousePress(f->window->part(GirlA, 1), Qt::LeftButton, {}, QPoint(5, 5));
            else if (step == u"a")
                altIntoTheFirstMenu();
            else if (step == u"hidden")
                QVERIFY2(QApplication::overrideCursor(), "the pointer shows during a carry");
            else if (step == u"v")
                f->putPart(GirlA, 4, 100, 100);
            else if (step == u"f")
                for (QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
                    QEvent focus(type);
                    QApplication::sendEvent(window, &focus);
                }
            if (step == u"s" || step == u"o")
                f->window->actions().stop->trigger();
            if (step == u"s")
                f->window->actions().start->trigger();
            const QChar c = step[0];
            if (c.isLower() && !moving.contains(c))
                continue;
            // Digits past six are keys like any other: they name no part.
            const bool takes = c.digitValue() >= 1 && c.digitValue() <= kPartCount;
            for (int n = 0; n < qMax(1, step.mid(1).toInt()); ++n) {
                if (takes) {
                    held = f->window->part(GirlA, c.digitValue() - 1);
                    grab = {held->width() / 2, held->height() / 2};
                    at = held->pos() + grab;
                } else if (moving.contains(c)) {
                    at += moves[moving.indexOf(c)];
                }
                if (ratio == 0 || c == u'!')
                    QTest::keyClick(keys, named.value(c.toUpper(), Qt::Key(c.toUpper().unicode())),
                                    c.isLower() && c != u'h' ? Qt::ShiftModifier : Qt::NoModifier);
                else if (takes || c == u'X')
                    sendPointer(c == u'X' ? QEvent::MouseButtonRelease : QEvent::MouseButtonPress,
                                held, held->mapTo(window, grab), ratio);
                else
                    sendPointer(c == u'E' ? QEvent::MouseButtonRelease : QEvent::MouseMove, held,
                                area->mapTo(window, at), ratio);
            }
        }
    }

    // Alt, down into the first menu and out again.
    void altIntoTheFirstMenu()
    {
        auto* bar = f->window->menuBar();
        QTest::keyClick(f->window->statusFrame()->doneButton(), Qt::Key_Alt, Qt::AltModifier);
        QTRY_VERIFY(bar->hasFocus());
        QTest::keyClick(bar, Qt::Key_Down);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(menu, "no menu open");
        QCOMPARE(menu, bar->actions().first()->menu());
        menu->close();
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_VERIFY(!bar->hasFocus());
    }

    // A new game played by a script: what is said, where the parts end and the score.
    QString outcome(const QString& script, double ratio)
    {
        f = std::make_unique<GameFixture>();
        f->holdRecord(QStringLiteral("Todo"), -1);
        f->model.startGame();
        play(script, ratio);
        QCoreApplication::processEvents(); // the new-record prompt waits for its dialog
        QString outcome =
            f->spoken.join(u'|') + QStringLiteral("\nscore %1:").arg(f->model.score());
        for (int part = 0; part < kPartCount; ++part)
            outcome += QStringLiteral(" %1,%2").arg(partPos(part).x()).arg(partPos(part).y());
        return outcome;
    }

    // A script played from a game's start: where the moved part ends (its middle in play-area
    // pixels), what is said after the start, and the pointer position shown.
    static void carryColumns()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("part"); // the one that ends away from its start place, or -1
        QTest::addColumn<QPoint>("middle");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("pointer"); // empty: never shown
    }
    void carryAsScripted()
    {
        QFETCH(QString, script);
        QFETCH(int, part);
        QFETCH(QPoint, middle);
        f->window->actions().start->trigger();
        f->spoken.clear();
        play(script);
        QVERIFY(!QApplication::overrideCursor()); // nothing is still carried
        for (int p = 0; p < kPartCount; ++p) {
            const QSize size = kPartSizes[GirlA][p];
            const QPoint start(kStartColumnLeft[GirlA], kStartColumnTop[p]);
            const QPoint half(size.width() / 2, size.height() / 2);
            QCOMPARE(partPos(p), QPointF(p == part ? middle - half : start));
        }
        QTEST(f->spoken.join(u'|'), "spoken");
        const QString pointer =
            f->window->pointerXLabel()->text() + u',' + f->window->pointerYLabel()->text();
        QTEST(pointer == u"," ? QString() : pointer, "pointer");
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
        QTest::addColumn<bool>("playing"); // or stopped between the press and the drop
        QTest::addColumn<int>("onto");     // a part, the cover (-1) or nothing that takes it (6)
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QPointF>("expected");
        // The nose, at its start place (465, 250), is grabbed at 240, 480 grab units (16, 32 px).
        const QPointF start(465, 250);
        QTest::newRow("cover") << true << -1 << QPointF(200, 150) << QPointF(184, 118);
        QTest::newRow("fractions kept") << true << -1 << QPointF(500.5, 10) << QPointF(484.5, -22);
        QTest::newRow("itself") << true << 4 << QPointF(540, 600) << QPointF(485, 258);
        // Onto the mouth at (465, 345): relative to the mouth's corner.
        QTest::newRow("another part") << true << 5 << QPointF(300, 300) << QPointF(469, 333);
        QTest::newRow("nothing takes it") << true << 6 << QPointF() << start;
        // A drop after the game has ended moves nothing and leaves the flag alone.
        QTest::newRow("cover, game over") << false << -1 << QPointF(200, 150) << start;
        QTest::newRow("itself, game over") << false << 4 << QPointF(540, 600) << start;
        QTest::newRow("another part, game over") << false << 5 << QPointF(540, 600) << start;
    }
    void dropPlacesTheCarriedPart()
    {
        QFETCH(bool, playing);
        QFETCH(int, onto);
        QFETCH(QPointF, at);
        f->model.startGame();
        QVERIFY(f->model.pressPart(GirlA, 4, 240, 480));
        if (!playing)
            f->window->actions().stop->trigger();
        if (onto < 0)
            f->model.dropOnPlayArea(GirlA, 4, float(at.x()), float(at.y()));
        else if (onto < kPartCount)
            f->model.dropOnPart(GirlA, onto, float(at.x()), float(at.y()));
        QTEST(partPos(4), "expected");
        QCOMPARE(carrying(), !playing || onto == kPartCount);
    }

    // The worked example through real mouse events: press on the nose, carry it over the cover,
    // release there. The pointer is hidden while a part is carried, and comes back at the release
    // or when the game ends. In debug mode, for one game, there is no cover and the pointer stays,
    // followed by an outline of the part that lies above where the cover would be.
    void pointerHiddenOnlyWhileCarrying_data()
    {
        QTest::addColumn<bool>("debug");
        QTest::newRow("playing") << false;
        QTest::newRow("debug mode") << true;
    }
    void pointerHiddenOnlyWhileCarrying()
    {
        QFETCH(bool, debug);
        if (debug)
            f->model.requestDebugGame();
        f->model.startGame();
        QWidget* cover = f->window->cover(0);
        QCOMPARE(cover->isVisible(), !debug);
        cover->show();
        QTest::mousePress(f->window->part(GirlA, 4), Qt::LeftButton, {}, QPoint(16, 32));
        QVERIFY(carrying() && bool(QApplication::overrideCursor()) == !debug);
        QTest::mouseMove(cover, QPoint(100, 80));
        QCOMPARE(f->window->pointerXLabel()->text(), QStringLiteral("100"));
        QWidget* outline = nullptr;
        for (QWidget* w : f->window->playArea(0)->findChildren<QWidget*>())
            if (w->testAttribute(Qt::WA_TransparentForMouseEvents) && w->isVisible())
                outline = w;
        QCOMPARE(outline != nullptr, debug);
        const auto siblings = f->window->playArea(0)->children();
        QVERIFY(!debug || (outline->geometry() == QRect(84, 48, 32, 64) &&
                           siblings.indexOf(outline) > siblings.indexOf(cover)));
        QTest::mouseRelease(cover, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(partPos(4), QPointF(184, 118));
        QVERIFY(!carrying() && !QApplication::overrideCursor() &&
                !(outline && outline->isVisible()));
        // Under the cover now: the pointer finds the cover, not the nose.
        QCOMPARE(f->window->playArea(0)->childAt(190, 130), cover);

        QTest::mousePress(f->window->part(GirlA, 2), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(bool(QApplication::overrideCursor()), !debug);
        f->window->statusFrame()->doneButton()->click();
        QVERIFY(!QApplication::overrideCursor());
        f->model.startGame();
        QVERIFY(f->window->cover(0)->isVisible());
        QVERIFY(!f->window->part(GirlA, 0)->dragIcon().isNull());
    }

    // The same moves by keys, and by the mouse on a screen that scales, play as the mouse does at
    // a ratio of one: the same hints, the same drops, the same score. Such a platform may report
    // the pointer in fractions of a logical pixel (X11 under Qt 6.4 rounds them itself).
    void mousePlaysAlikeAtEveryRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::newRow("by keys") << 0.0;
        for (double ratio : {1.25, 1.5, 1.75, 2.5})
            QTest::addRow("%g", ratio) << ratio;
    }
    void mousePlaysAlikeAtEveryRatio()
    {
        QFETCH(double, ratio);
        // Parts carried in long and in single-pixel steps, dropped on the play area, on the cover,
        // onto themselves and onto each other.
        const QString script = QStringLiteral("5 t h t L53 U7 r2 t d t E 6 X 6 L52 U18 t D3 l t h "
                                              "t d E 1 D7 t E 3 L51 U17 u l r t E !");
        const QString atOne = outcome(script, 1);
        QVERIFY(f->model.score() > 0 && f->model.score() < 1000);
        QCOMPARE(outcome(script, ratio), atOne);
    }

    // Another window takes the focus and gives it back (f). A carry by the keys does not depend on
    // the pointer and goes on; one by the mouse is ended, the part put back, and that is told.
    void focusLossEndsOnlyAMouseCarry_data()
    {
        carryColumns();
        QTest::newRow("by keys") << "2 f D E t" << 1 << QPoint(496, 66)
                                 << "左眉を持ちました|左眉を置きました"
                                 << "";
        QTest::newRow("by the mouse")
            << "g f D E t" << -1 << QPoint() << "左眉を持ちました|左眉を置きました"
            << "";
    }
    void focusLossEndsOnlyAMouseCarry() { carryAsScripted(); }

    // Alt hands the keys to the menu bar during a carry too (a), and the carry waits for the menu;
    // after it, Alt works at its first press as well.
    void altOpensTheMenusDuringAKeyCarry_data()
    {
        carryColumns();
        QTest::newRow("carry") << "2 a D E a" << 1 << QPoint(496, 66)
                               << "左眉を持ちました|左眉を置きました"
                               << "";
    }
    void altOpensTheMenusDuringAKeyCarry() { carryAsScripted(); }

    // A carry by keys, as a player sees and hears it.
    void keysCarryWithinThePlayArea_data()
    {
        carryColumns();
        // The point stops on the area's last column and row, where a drop still lands.
        QTest::newRow("right edge")
            << "5 R30 E" << 4 << QPoint(553, 282) << "鼻を持ちました|鼻を置きました"
            << "553,282";
        QTest::newRow("bottom edge")
            << "5 L30 D30 E" << 4 << QPoint(331, 399) << "鼻を持ちました|鼻を置きました"
            << "331,399";
        QTest::newRow("top left corner")
            << "5 L99 U70 E" << 4 << QPoint(0, 0) << "鼻を持ちました|鼻を置きました"
            << "0,0";
        // Escape puts the part back where it was taken, however far it went.
        QTest::newRow("Escape after moving")
            << "5 L10 U4 X" << -1 << QPoint() << "鼻を持ちました|鼻を置きました"
            << "431,262";
        QTest::newRow("digits beyond six") << "7 8 9 0" << -1 << QPoint() << ""
                                           << "";
        QTest::newRow("digits while carrying")
            << "5 7 0 1 E" << -1 << QPoint() << "鼻を持ちました|鼻を置きました"
            << "";
        // What was carried when a game ended is not carried into the next.
        QTest::newRow("carried into a new game")
            << "2 s t" << -1 << QPoint() << "左眉を持ちました|ゲーム開始 ！"
            << "";
        // The mouse pressed, moved and let go over another part: none of it counts.
        QTest::newRow("mouse over a part")
            << "2 ep em t er E" << -1 << QPoint() << "左眉を持ちました|? ? ?|左眉を置きました"
            << "";
        QTest::newRow("done clicked during a carry")
            << "2 hidden c D E" << 1 << QPoint(496, 66) << "左眉を持ちました|左眉を置きました"
            << "";
        QTest::newRow("part under the cover") << "v 5" << 4 << QPoint(116, 132) << ""
                                              << "";
        QTest::newRow("game over") << "o 2 ep er" << -1 << QPoint() << ""
                                   << "";
    }
    void keysCarryWithinThePlayArea() { carryAsScripted(); }
};

GP_GUI_TEST_MAIN(TestDrag)
#include "tst_drag.moc"
