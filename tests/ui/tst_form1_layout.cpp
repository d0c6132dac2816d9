#include "app/main_controller.h"
#include "game/face_geometry.h"
#include "ui/form1.h"
#include "ui/sprite.h"
#include "ui/status_panel.h"
#include "ui/backdrop.h"

#include <QAccessible>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace gp;

class TestForm1Layout : public QObject
{
    Q_OBJECT

    GameState m_state;
    Form1* m_form = nullptr;
    MainController* m_controller = nullptr;

    // The topmost control under a play-area point, as the pointer would find it.
    QWidget* topmostAt(int girl, QPoint p) const { return m_form->Picture1[girl]->childAt(p); }

private slots:
    void initTestCase()
    {
        m_form = new Form1;
        m_controller = new MainController(m_state, *m_form);
        m_controller->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanupTestCase()
    {
        delete m_controller;
        delete m_form;
    }

    void startUpSizing()
    {
        QCOMPARE(m_form->Frame1->geometry(), QRect(572, 9, 154, 399));
        for (int k = 0; k < kGirlCount; ++k) {
            QCOMPARE(m_form->Picture1[k]->geometry(), QRect(8, 8, 554, 400));
            QCOMPARE(m_form->Picture2[k]->geometry(), QRect(0, 0, 440, 400));
            QCOMPARE(m_form->Image2[k]->size(), QSize(440, 400));
        }
        // The outer height is the designed 473 pixels; the width keeps the frame's right margin
        // inside the window, outside whatever frame the platform draws around it.
        QCOMPARE(m_form->frameGeometry().height(), 473);
        QCOMPARE(m_form->width(), 736);
        const QPoint frameRight = m_form->Frame1->geometry().topRight();
        QCOMPARE(m_form->centralWidget()->width() - frameRight.x() - 1, 10);
        QVERIFY(m_form->centralWidget()->height() > m_form->Frame1->geometry().bottom());
        QVERIFY(m_form->Label1[0]->geometry().bottom() < 0);
        QVERIFY(m_form->Label1[1]->geometry().bottom() < 0);
    }

    void idleState()
    {
        QVERIFY(m_form->GAL_A->isChecked());
        QVERIFY(!m_form->GAL_B->isChecked());
        QVERIFY(!m_form->Pause->isEnabled());
        QVERIFY(m_form->start->isEnabled());
        QCOMPARE(m_form->SilentMode_OnOFF->text(), QStringLiteral("ON"));
        QVERIFY(!m_form->Timer1->isActive());
        QCOMPARE(m_form->Timer1->interval(), 1000);
        QCOMPARE(m_state.StartDistance, 1717);
        for (int p = 0; p < kPartCount; ++p) {
            const SizeI size = kPartSizes[GirlA][p];
            QCOMPARE(m_form->Image1[p]->geometry(),
                     QRect(465, kStartColumnTop[p], size.width, size.height));
            QCOMPARE(m_form->Image3[p]->pos(), QPoint(450, kStartColumnTop[p]));
        }
    }

    void everyControlNamed()
    {
        const auto controls = m_form->centralWidget()->findChildren<QWidget*>();
        QVERIFY(controls.size() > 30);
        for (QWidget* w : controls) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(m_form->Command1)->text(QAccessible::Name),
                 QStringLiteral("完了"));
    }

    void zOrder()
    {
        const RectI nose = partCutRect(GirlA, 4);
        const QPoint onNose(nose.left + 3, nose.top + 3);
        Sprite* part = m_form->Image1[4];
        part->moveTo(float(nose.left), float(nose.top));

        // The complete face lies in front of the parts.
        QCOMPARE(topmostAt(0, onNose), m_form->Image2[0]);
        // The cover hides the face region, parts and complete face alike.
        m_form->Picture2[0]->show();
        QCOMPARE(topmostAt(0, onNose), m_form->Picture2[0]);
        // ...but not the start column.
        const QPoint inTray(470, kStartColumnTop[0] + 3);
        QCOMPARE(topmostAt(0, inTray), m_form->Image1[0]);
        m_form->Picture2[0]->hide();
        m_form->Image2[0]->hide();
        QCOMPARE(topmostAt(0, onNose), part);
        m_form->Image2[0]->show();
        part->moveTo(465, float(kStartColumnTop[4]));

        // Among the parts, girl A's mouth lies in front and her right eyebrow at the back;
        // girl B's left eyebrow in front and her mouth at the back.
        auto inFront = [](QWidget* a, QWidget* b) {
            const auto siblings = a->parentWidget()->children();
            return siblings.indexOf(a) > siblings.indexOf(b);
        };
        for (int p = 0; p < 5; ++p)
            QVERIFY(inFront(m_form->Image1[p + 1], m_form->Image1[p]));
        const int orderB[] = {5, 4, 3, 2, 0, 1};
        for (int i = 0; i < 5; ++i)
            QVERIFY(inFront(m_form->Image3[orderB[i + 1]], m_form->Image3[orderB[i]]));

        // Girl A's play area lies over girl B's.
        QWidget* central = m_form->centralWidget();
        QWidget* hit = central->childAt(QPoint(300, 300));
        QVERIFY(hit == m_form->Picture1[0] || m_form->Picture1[0]->isAncestorOf(hit));
        QVERIFY(inFront(m_form->Frame1, m_form->Picture1[0]));
    }
};

QTEST_MAIN(TestForm1Layout)
#include "tst_form1_layout.moc"
