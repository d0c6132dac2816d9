// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/new_record_dialog.h"
#include "tests/support/gui_test_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gp;

namespace {

// The main window's record panels, as the dialog's signal leaves them.
struct Panels
{
    QString name = QStringLiteral("old");
    QString score = QStringLiteral("old");

    void watch(NewRecordDialog& dialog)
    {
        QObject::connect(&dialog, &NewRecordDialog::recordNamed,
                         [this](const QString& holderCaption, const QString& scoreCaption) {
                             name = holderCaption;
                             score = scoreCaption;
                         });
    }
};

// keyClicks takes Latin-1 only; anything else arrives as an input method would send it, a
// character (a surrogate pair included) at a time.
void type(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x100) {
            QTest::keyClicks(widget, text.mid(i, 1));
            continue;
        }
        const qsizetype width = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, width),
                            Qt::NoModifier);
        i += width - 1;
    }
}

} // namespace

class TestNewRecordDialog : public QObject
{
    Q_OBJECT

private slots:
    void okTakesName_data();
    void okTakesName();
    void escapeKeepsOldHolder();
    void enterConfirms();
};

void TestNewRecordDialog::okTakesName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("scoreCaption");
    QTest::newRow("blanks around") << "  ab c  "
                                   << "" << 750 << "ab c"
                                   << " 750";
    QTest::newRow("ideographic blanks") << "　太郎　"
                                        << "" << 0 << "太郎"
                                        << " 0";
    QTest::newRow("seventh refused") << "abcdefgh"
                                     << "" << -5 << "abcdef"
                                     << "-5";
    QTest::newRow("double byte counts one") << "山田太郎花子様"
                                            << "" << 1 << "山田太郎花子"
                                            << " 1";
    QTest::newRow("beyond BMP counts one") << "𠮷𠮷𠮷𠮷𠮷𠮷𠮷"
                                           << "" << 1 << "𠮷𠮷𠮷𠮷𠮷𠮷"
                                           << " 1";
    QTest::newRow("paste keeps what fits") << "abcd"
                                           << "XYZ" << 1 << "abcdXY"
                                           << " 1";
    QTest::newRow("paste into full box") << "abcdef"
                                         << "Z" << 1 << "abcdef"
                                         << " 1";
    QTest::newRow("blanks only") << "   "
                                 << "" << 600 << ""
                                 << " 600";
}

void TestNewRecordDialog::okTakesName()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(int, score);
    GameState state;
    state.recordScore = std::int16_t(score);
    Panels panels;
    NewRecordDialog dialog(state);
    panels.watch(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* text = dialog.findChild<QLineEdit*>("nameBox");
    QVERIFY(text);
    QCOMPARE(QApplication::focusWidget(), text);
    type(text, typed);
    text->insert(pasted);
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QTEST(state.recordHolder, "name");
    QCOMPARE(panels.name, state.recordHolder);
    QTEST(panels.score, "scoreCaption");
}

void TestNewRecordDialog::enterConfirms()
{
    GameState state;
    state.recordScore = 900;
    Panels panels;
    NewRecordDialog dialog(state);
    panels.watch(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.findChild<QLineEdit*>("nameBox"), " Hana ");
    QTest::keyClick(dialog.findChild<QLineEdit*>("nameBox"), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(state.recordHolder, QStringLiteral("Hana"));
    QCOMPARE(panels.score, QStringLiteral(" 900"));
}

void TestNewRecordDialog::escapeKeepsOldHolder()
{
    GameState state;
    state.recordScore = 750;
    Panels panels;
    NewRecordDialog dialog(state);
    panels.watch(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.findChild<QLineEdit*>("nameBox"), "new");
    QTest::keyClick(&dialog, Qt::Key_Escape);

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(state.recordHolder, QStringLiteral("Todo"));
    QCOMPARE(state.recordScore, 750);
    QCOMPARE(panels.name, QStringLiteral("old"));
    QCOMPARE(panels.score, QStringLiteral("old"));
}

GP_GUI_TEST_MAIN(TestNewRecordDialog)
#include "tst_new_record_dialog.moc"
