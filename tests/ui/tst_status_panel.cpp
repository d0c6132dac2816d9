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
        panel.setGaugeColor(0xFF0000);
        panel.setGaugePercent(percent);
        QCOMPARE(panel.gaugePercent(), percent);

        const QRectF fill = panel.gaugeRect();
        QVERIFY(qAbs(fill.width() - 117 * filledShare) < 1e-9);
        if (filledShare > 0) // anchored at the right end of the inner area
            QCOMPARE(fill.right(), 119.0);

        const QImage shot = panel.grab().toImage();
        const QColor blue(0, 0, 255);
        QCOMPARE(shot.pixelColor(117, 11) == blue, filledShare > 0);
        QCOMPARE(shot.pixelColor(3, 11) == blue, filledShare == 1.0);
        QVERIFY(panel.caption().isEmpty());
    }

    void gaugeColourReadsBackAsWritten()
    {
        StatusPanel panel;
        for (std::uint32_t colour : {0xFF0000u, 0x00FFFFu, 0x00FFFFu, 0x0000FFu}) {
            panel.setGaugeColor(colour);
            QCOMPARE(panel.gaugeColor(), colour);
        }
    }

    void captionsShowDecimalTextAsGiven()
    {
        StatusPanel panel;
        panel.setCaption(600);
        QCOMPARE(panel.caption(), QStringLiteral("600"));
        panel.setCaption(-5);
        QCOMPARE(panel.caption(), QStringLiteral("-5"));
        panel.setCaption(QStringLiteral(" 750"));
        QCOMPARE(panel.caption(), QStringLiteral(" 750"));
    }
};

QTEST_MAIN(TestStatusPanel)
#include "tst_status_panel.moc"
