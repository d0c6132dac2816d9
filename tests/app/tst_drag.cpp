#include "game/drag_handlers.h"
#include "game_fixture.h"
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
    DragHandlers& drag() { return f->controller->dragHandlers(); }
    QPointF nosePos() const { return {f->form->Image1[4]->left(), f->form->Image1[4]->top()}; }

private slots:
    void init()
    {
        f = std::make_unique<GameFixture>();
        QVERIFY(QTest::qWaitForWindowExposed(f->form.get()));
    }
    void cleanup() { f.reset(); }

    void drops_data()
    {
        QTest::addColumn<QString>("onto");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QPointF>("expected");
        QTest::addColumn<int>("dragging");
        // The nose, at its start place (465, 250), is grabbed at 240, 480 twips.
        QTest::newRow("cover") << "cover" << QPointF(200, 150) << QPointF(184, 118) << 0;
        QTest::newRow("fractions kept")
            << "cover" << QPointF(500.5, 10) << QPointF(484.5, -22) << 0;
        QTest::newRow("itself") << "self" << QPointF(540, 600) << QPointF(485, 258) << 0;
        // Onto the mouth at (465, 345): relative to the mouth's corner.
        QTest::newRow("another part") << "mouth" << QPointF(300, 300) << QPointF(469, 333) << 0;
        QTest::newRow("nothing takes it") << "none" << QPointF() << QPointF(465, 250) << 1;
    }
    void drops()
    {
        QFETCH(QString, onto);
        QFETCH(QPointF, at);
        QFETCH(QPointF, expected);
        QFETCH(int, dragging);
        f->controller->start_Click();
        QVERIFY(drag().Image1_MouseDown(4, 240, 480));
        QCOMPARE(f->state.GrabX, std::int16_t(240));
        QCOMPARE(f->state.DragStartLeft, std::int16_t(465));
        QCOMPARE(f->state.DragStartTop, std::int16_t(250));
        const float x = float(at.x());
        const float y = float(at.y());
        if (onto == QLatin1String("cover"))
            drag().Picture_DragDrop(GirlA, 4, x, y);
        else if (onto == QLatin1String("self"))
            drag().Image1_DragDrop(4, x, y);
        else if (onto == QLatin1String("mouth"))
            drag().Image1_DragDrop(5, x, y);
        QCOMPARE(nosePos(), expected);
        QCOMPARE(f->state.Dragging, std::int16_t(dragging));
    }

    void outsideAGame()
    {
        QVERIFY(!drag().Image1_MouseDown(4, 240, 480));
        QCOMPARE(f->state.Dragging, std::int16_t(0));
        QCOMPARE(f->state.GrabX, std::int16_t(0));

        // A drop after the game has ended moves nothing and leaves the flag alone.
        f->controller->start_Click();
        drag().Image1_MouseDown(4, 240, 480);
        f->form->Pause->trigger();
        drag().Picture_DragDrop(GirlA, 4, 200, 150);
        QCOMPARE(nosePos(), QPointF(465, 250));
        QCOMPARE(f->state.Dragging, std::int16_t(1));
    }

    // The worked example through real mouse events: press on the nose, carry it over the cover,
    // release there. The pointer is hidden while it is carried and comes back at the release.
    void realMouse()
    {
        f->controller->start_Click();
        Sprite* nose = f->form->Image1[4];
        QWidget* cover = f->form->Picture2[0];
        QTest::mousePress(nose, Qt::LeftButton, {}, QPoint(16, 32));
        QCOMPARE(f->state.Dragging, std::int16_t(1));
        QVERIFY(QApplication::overrideCursor() != nullptr);

        QTest::mouseMove(cover, QPoint(100, 80));
        QCOMPARE(f->state.DragZone, std::int16_t(3));
        QCOMPARE(f->state.DragX, std::int16_t(100));
        QCOMPARE(f->form->Label1[0]->text(), QStringLiteral("100"));
        QTest::mouseMove(f->form->Image1[0]);
        QCOMPARE(f->state.DragZone, std::int16_t(2));
        QCOMPARE(f->state.OverPart, std::int16_t(0));

        QTest::mouseRelease(cover, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(nosePos(), QPointF(184, 118));
        QCOMPARE(f->state.Dragging, std::int16_t(0));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // Under the cover now: the pointer finds the cover, not the nose.
        QCOMPARE(f->form->Picture1[0]->childAt(190, 130), cover);
    }

    // Released over the status frame, which takes no drop: the part stays and is still dragged.
    void releaseOverNothing()
    {
        f->controller->start_Click();
        QTest::mousePress(f->form->Image1[1], Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(
            f->form->Image1[1], Qt::LeftButton, {},
            f->form->Image1[1]->mapFrom(f->form.get(), f->form->Frame1->geometry().center()));
        QCOMPARE(f->form->Image1[1]->pos(), QPoint(465, 55));
        QCOMPARE(f->state.Dragging, std::int16_t(1));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Debug mode: the pointer stays and an outline of the part, above the cover, follows it.
    void debugOutline()
    {
        f->state.DebugMode = 1;
        f->controller->start_Click();
        f->form->Picture2[0]->show(); // make sure the outline lies above a shown cover
        QTest::mousePress(f->form->Image1[5], Qt::LeftButton, {}, QPoint(4, 6));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::mouseMove(f->form->Picture2[0], QPoint(100, 90));
        QWidget* outline = nullptr;
        for (QWidget* w : f->form->Picture1[0]->findChildren<QWidget*>())
            if (w->testAttribute(Qt::WA_TransparentForMouseEvents) && w->isVisible())
                outline = w;
        QVERIFY(outline);
        QCOMPARE(outline->geometry(), QRect(96, 84, 32, 32));
        const auto siblings = f->form->Picture1[0]->children();
        QVERIFY(siblings.indexOf(outline) > siblings.indexOf(f->form->Picture2[0]));
        QTest::mouseRelease(f->form->Picture2[0], Qt::LeftButton, {}, QPoint(100, 90));
        QVERIFY(!outline->isVisible());
        QCOMPARE(f->form->Image1[5]->pos(), QPoint(96, 84));
    }

    void pointerComesBack()
    {
        f->controller->start_Click();
        QTest::mousePress(f->form->Image1[2], Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(QApplication::overrideCursor() != nullptr);
        f->form->Command1->click(); // the game ends while the part is carried
        QVERIFY(QApplication::overrideCursor() == nullptr);

        f->controller->start_Click();
        QTest::mousePress(f->form->Image1[2], Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(f->form.get(), &deactivate);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(TestDrag)
#include "tst_drag.moc"
