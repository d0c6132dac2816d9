// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/qt_translations.h"
#include "tests/support/gui_test_main.h"
#include "ui/message_box.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

using namespace gp;

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void buttonsAndTextMenusSpeakJapanese()
    {
        QVERIFY(installQtJapanese(*qApp) >= 1);
        const auto box = makeMessageBox(nullptr, MessageKind::Confirmation,
                                        QStringLiteral("GAL PORTRAITを終了します。"));
        QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("コピー(&C)"));
    }

    void boxesAreWideEnoughForTheirTitle_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("time-out") << int(MessageKind::Warning) << "時間切れ ！";
        QTest::newRow("debug mode") << int(MessageKind::Plain) << "Debug Mode!!";
        QTest::newRow("exit prompt")
            << int(MessageKind::Confirmation) << "GAL PORTRAITを終了します。";
    }
    void boxesAreWideEnoughForTheirTitle()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        const auto box = makeMessageBox(nullptr, MessageKind(kind), text);
        box->setWindowModality(Qt::NonModal); // measured, not answered
        box->show();
        QCOMPARE(box->windowTitle(), QStringLiteral("GAL PORTRAIT"));
        QCOMPARE(box->text(), text);
        // The title as a window manager draws it, plus an icon and three buttons of its height.
        QFont bold = box->font();
        bold.setBold(true);
        const QFontMetrics title(bold);
        QVERIFY2(box->width() >= title.horizontalAdvance(box->windowTitle()) + 4 * title.height(),
                 qPrintable(QString::number(box->width())));
        QVERIFY(box->width() >= messageBoxMinimumWidth(box->windowTitle()));
        box->close();
    }
};

GP_GUI_TEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
