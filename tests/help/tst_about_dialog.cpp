// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/about_dialog.h"
#include "tests/support/gui_test_main.h"

#include <QLabel>
#include <QtTest>

using namespace gp;

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    // The hidden gesture on any title line: the right button with Shift and Ctrl, nothing else.
    void debugGestureIsRightClickWithShiftCtrl_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("debug");
        const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
        QTest::newRow("right, Shift+Ctrl") << Qt::RightButton << shiftCtrl << true;
        QTest::newRow("left, Shift+Ctrl") << Qt::LeftButton << shiftCtrl << false;
        QTest::newRow("middle, Shift+Ctrl") << Qt::MiddleButton << shiftCtrl << false;
        QTest::newRow("right, Shift+Ctrl+Alt")
            << Qt::RightButton << (shiftCtrl | Qt::AltModifier) << false;
        QTest::newRow("right, Shift")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("right, Ctrl")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
        QTest::newRow("right alone") << Qt::RightButton << Qt::KeyboardModifiers() << false;
    }
    void debugGestureIsRightClickWithShiftCtrl()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, debug);
        for (int index = 0; index < 3; ++index) {
            AboutDialog dialog;
            int requests = 0;
            connect(&dialog, &AboutDialog::debugModeRequested, [&] { ++requests; });
            QStringList shown;
            dialog.setMessageBox([&](QWidget*, const QString& text) { shown << text; });
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            // Twice: a repeated gesture speaks and reports again.
            for (int press = 0; press < 2; ++press) {
                QTest::mousePress(dialog.titleLabel(index), button, modifiers);
                QTest::mouseRelease(dialog.titleLabel(index), button, modifiers);
            }
            QCOMPARE(requests, debug ? 2 : 0);
            QCOMPARE(shown, debug ? QStringList(2, QStringLiteral("Debug Mode!!")) : QStringList());
            QVERIFY(dialog.isVisible());
        }
    }
};

GP_GUI_TEST_MAIN(TestAboutDialog)
#include "tst_about_dialog.moc"
