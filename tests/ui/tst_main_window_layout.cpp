// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_controller.h"
#include "game/face_geometry.h"
#include "game/hint_tick.h"
#include "media/about_dialog.h"
#include "records/new_record_dialog.h"
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
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace gp;

namespace {

// Where the widget draws text, and how: a label in its contents, a button in its style's contents
// rectangle, a status panel inside its bevels, each with its own alignment.
QRect textBox(QWidget* w, int& flags)
{
    flags = Qt::AlignCenter | Qt::TextSingleLine;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->contentsRect();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return w->rect().adjusted(2, 2, -2, -2);
}

// The pixels a text inks, drawn as the widgets draw it but unclipped, relative to its box; the
// faint edge of anti-aliasing does not count.
QRect inkedRect(const QFont& font, QSize box, int flags, const QString& text)
{
    const QPoint origin(2 * box.width(), 2 * box.height());
    QImage canvas(box * 5, QImage::Format_Grayscale8);
    canvas.fill(255);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.drawText(QRect(origin, box), flags | Qt::TextDontClip, text);
    painter.end();
    QRect inked;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qGray(canvas.pixel(x, y)) < 64)
                inked |= QRect(QPoint(x, y) - origin, QSize(1, 1));
    return inked;
}

} // namespace

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
        QVERIFY(!m_window->actions().stop->isEnabled());
        QVERIFY(m_window->actions().start->isEnabled());
        QCOMPARE(m_window->actions().soundSwitch->text(), QStringLiteral("ON"));
        QVERIFY(!m_window->hintTimer()->isActive());
        QCOMPARE(m_window->hintTimer()->interval(), 1000);
        QCOMPARE(m_state.startDistance, 1717);
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

    void everyTextFitsItsBox_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Japanese") << false;
        QTest::newRow("English") << true;
    }
    void everyTextFitsItsBox()
    {
        QFETCH(bool, english);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/i18n/gal-portrait_en.qm")));
        if (english)
            QCoreApplication::installTranslator(&catalogue);
        MainWindow window;
        GameState state;
        Record newRecord;
        NewRecordDialog record(newRecord);
        AboutDialog about;
        QList<QPair<QWidget*, QString>> texts;
        for (QWidget* parent :
             {(QWidget*)window.statusFrame(), (QWidget*)&record, (QWidget*)&about})
            for (QWidget* w : parent->findChildren<QWidget*>()) {
                if (auto* label = qobject_cast<QLabel*>(w))
                    texts << qMakePair(w, label->text());
                else if (auto* button = qobject_cast<QPushButton*>(w))
                    texts << qMakePair(w, button->text());
            }
        // Every hint the panel can show: the part names, and the four directions, given by the
        // tick itself from the two far corners of the face.
        StatusPanel* hintPanel = window.statusFrame()->hintPanel();
        for (int part = 0; part < kPartCount; ++part)
            texts << qMakePair((QWidget*)hintPanel, partHintText(part));
        struct : GameServices
        {
            double seconds() const override { return 0; }
            void playCue(const QString&) override {}
            bool showMessage(MessageKind, const QString&) override { return true; }
            void askRecordHolder(Record&) override {}
            bool modalWindowOpen() const override { return false; }
        } silence;
        state.dragging = true;
        for (QPoint corner : {QPoint(0, 0), QPoint(kFaceWidth - 1, kFaceHeight - 1)})
            for (int axis = 0; axis < 2; ++axis) {
                state.pointerZone = PointerZone::PlayArea;
                state.pointerX = std::int16_t(corner.x());
                state.pointerY = std::int16_t(corner.y());
                hintTick(state, window, silence);
                texts << qMakePair((QWidget*)hintPanel, hintPanel->caption());
            }
        QCOMPARE(texts.size(),
                 28); // nine in the status frame, three and six in the dialogs, ten hints

        for (const auto& [w, text] : texts) {
            if (text.isEmpty())
                continue;
            int flags = 0;
            const QRect box = textBox(w, flags);
            const QRect inked = inkedRect(w->font(), box.size(), flags, text);
            QVERIFY2(QRect({0, 0}, box.size()).contains(inked),
                     qPrintable(QStringLiteral("\"%1\" inks %2x%3 at %4,%5 in a box of %6x%7")
                                    .arg(text)
                                    .arg(inked.width())
                                    .arg(inked.height())
                                    .arg(inked.x())
                                    .arg(inked.y())
                                    .arg(box.width())
                                    .arg(box.height())));
        }
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
