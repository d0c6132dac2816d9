// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/gui_test_main.h"
#include "ui/status_panel.h"

#include <QTest>

using namespace gp;

class TestStatusPanel : public QObject
{
    Q_OBJECT

private slots:
    void gaugeFillsFromTheRightEnd_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("filledShare");
        QTest::newRow("empty") << 0.0 << 0.0;
        QTest::newRow("full") << 100.0 << 1.0;
        QTest::newRow("fraction") << 29.4 << 0.294;
        QTest::newRow("below zero shows nothing") << -5.0 << 0.0;
    }
    void gaugeFillsFromTheRightEnd()
    {
        QFETCH(double, percent);
        QFETCH(double, filledShare);
        StatusPanel panel;
        panel.resize(121, 22);
        panel.setBackgroundColor(QColor(128, 255, 128));
        panel.setGaugeColor(QColor(0, 0, 255));
        panel.setGaugePercent(percent);

        const QRectF fill = panel.gaugeRect();
        QVERIFY(qAbs(fill.width() - 117 * filledShare) < 1e-9);
        if (filledShare > 0) // anchored at the right end of the inner area
            QCOMPARE(fill.right(), 119.0);

        const QImage shot = panel.grab().toImage();
        const QColor blue(0, 0, 255);
        QCOMPARE(shot.pixelColor(117, 11) == blue, filledShare > 0);
        QCOMPARE(shot.pixelColor(3, 11) == blue, filledShare == 1.0);
    }

    // The outer bevel reaches the last column and row: no stripe of the background or the fill
    // shows outside it.
    void bevelFramesThePanelToItsLastPixel()
    {
        StatusPanel panel;
        panel.resize(121, 22);
        panel.setBackgroundColor(QColor(255, 0, 0));
        panel.setGaugeColor(QColor(0, 255, 0));
        panel.setGaugePercent(100);
        const QImage shot = panel.grab().toImage();
        const QColor light(255, 255, 255);
        const QColor shadow(128, 128, 128);
        for (int y = 1; y < 21; ++y) {
            QCOMPARE(shot.pixelColor(0, y), light);
            QCOMPARE(shot.pixelColor(120, y), shadow);
        }
        QCOMPARE(shot.pixelColor(1, 10), shadow); // the inset bevel's shaded side
        for (int x = 1; x < 120; ++x) {
            QCOMPARE(shot.pixelColor(x, 0), light);
            QCOMPARE(shot.pixelColor(x, 21), shadow);
        }
        QCOMPARE(shot.pixelColor(119, 10), light); // the inset bevel's lit side
        QCOMPARE(shot.pixelColor(118, 10), QColor(0, 255, 0));
    }
};

GP_GUI_TEST_MAIN(TestStatusPanel)
#include "tst_status_panel.moc"
