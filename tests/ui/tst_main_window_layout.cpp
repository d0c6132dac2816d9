// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_controller.h"
#include "game/face_geometry.h"
#include "tests/support/gui_test_main.h"
#include "ui/backdrop.h"
#include "ui/main_window.h"
#include "ui/sprite.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QAccessible>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace gp;

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

    GameState m_state;
    MainWindow* m_window = nullptr;
    MainController* m_controller = nullptr;

    // The topmost control under a play-area point, as the pointer would find it.
    QWidget* topmostAt(int girl, QPoint p) const { return m_window->playArea(girl)->childAt(p); }

private slots:
    void initTestCase()
    {
        m_window = new MainWindow;
        m_controller = new MainController(m_state, *m_window);
        m_controller->startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanupTestCase()
    {
        delete m_controller;
        delete m_window;
    }

    void startUpFitsTheWindowAroundThePlayArea()
    {
        QCOMPARE(m_window->statusFrame()->geometry(), QRect(572, 9, 154, 399));
        for (int k = 0; k < kGirlCount; ++k) {
            QCOMPARE(m_window->playArea(k)->geometry(), QRect(8, 8, 554, 400));
            QCOMPARE(m_window->cover(k)->geometry(), QRect(0, 0, 440, 400));
            QCOMPARE(m_window->completeFace(k)->size(), QSize(440, 400));
        }
        // The outer height is the intended 473 pixels; the width keeps the frame's right margin
        // inside the window, outside whatever frame the platform draws around it.
        QCOMPARE(m_window->frameGeometry().height(), 473);
        QCOMPARE(m_window->width(), 736);
        const QPoint frameRight = m_window->statusFrame()->geometry().topRight();
        QCOMPARE(m_window->centralWidget()->width() - frameRight.x() - 1, 10);
        QVERIFY(m_window->centralWidget()->height() > m_window->statusFrame()->geometry().bottom());
        QVERIFY(m_window->pointerXLabel()->geometry().bottom() < 0);
        QVERIFY(m_window->pointerYLabel()->geometry().bottom() < 0);
    }

    void startsIdleWithGirlA()
    {
        QVERIFY(m_window->actions().girls[GirlA]->isChecked());
        QVERIFY(!m_window->actions().girls[GirlB]->isChecked());
        QCOMPARE(m_window->actions().soundSwitch->text(), QStringLiteral("ON"));
        QVERIFY(!m_window->hintTimer()->isActive());
        QCOMPARE(m_window->hintTimer()->interval(), 1000);
        for (int p = 0; p < kPartCount; ++p) {
            const QSize size = kPartSizes[GirlA][p];
            QCOMPARE(m_window->part(GirlA, p)->geometry(),
                     QRect(QPoint(465, kStartColumnTop[p]), size));
            QCOMPARE(m_window->part(GirlB, p)->pos(), QPoint(450, kStartColumnTop[p]));
        }
    }

    void everyControlHasAnAccessibleName()
    {
        const auto controls = m_window->centralWidget()->findChildren<QWidget*>();
        QVERIFY(controls.size() > 30);
        for (QWidget* w : controls) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window->statusFrame()->doneButton())
                     ->text(QAccessible::Name),
                 QStringLiteral("完了"));
    }

    void coverHidesTheFaceButNotTheTray()
    {
        const QRect nose = partCutRect(GirlA, 4);
        const QPoint onNose(nose.left() + 3, nose.top() + 3);
        Sprite* part = m_window->part(GirlA, 4);
        part->moveTo(float(nose.left()), float(nose.top()));

        // The complete face lies in front of the parts.
        QCOMPARE(topmostAt(0, onNose), m_window->completeFace(0));
        // The cover hides the face region, parts and complete face alike.
        m_window->cover(0)->show();
        QCOMPARE(topmostAt(0, onNose), m_window->cover(0));
        // ...but not the start column.
        const QPoint inTray(470, kStartColumnTop[0] + 3);
        QCOMPARE(topmostAt(0, inTray), m_window->part(GirlA, 0));
        m_window->cover(0)->hide();
        m_window->completeFace(0)->hide();
        QCOMPARE(topmostAt(0, onNose), part);
        m_window->completeFace(0)->show();
        part->moveTo(465, float(kStartColumnTop[4]));

        // Among the parts, girl A's mouth lies in front and her right eyebrow at the back;
        // girl B's left eyebrow in front and her mouth at the back.
        auto inFront = [](QWidget* a, QWidget* b) {
            const auto siblings = a->parentWidget()->children();
            return siblings.indexOf(a) > siblings.indexOf(b);
        };
        for (int p = 0; p < 5; ++p)
            QVERIFY(inFront(m_window->part(GirlA, p + 1), m_window->part(GirlA, p)));
        const int orderB[] = {5, 4, 3, 2, 0, 1};
        for (int i = 0; i < 5; ++i)
            QVERIFY(
                inFront(m_window->part(GirlB, orderB[i + 1]), m_window->part(GirlB, orderB[i])));

        // Girl A's play area lies over girl B's.
        QWidget* central = m_window->centralWidget();
        QWidget* hit = central->childAt(QPoint(300, 300));
        QVERIFY(hit == m_window->playArea(0) || m_window->playArea(0)->isAncestorOf(hit));
        QVERIFY(inFront(m_window->statusFrame(), m_window->playArea(0)));
    }
};

GP_GUI_TEST_MAIN(TestMainWindowLayout)
#include "tst_main_window_layout.moc"
