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

Record withScore(int score)
{
    Record state;
    state.score = std::int16_t(score);
    return state;
}

// The dialog shown for a new score, and the main window's record panels as its signal leaves them.
struct ShownDialog
{
    Record state;
    NewRecordDialog dialog;
    QString name = QStringLiteral("old");
    QString score = QStringLiteral("old");

    explicit ShownDialog(int newScore) : state(withScore(newScore)), dialog(state)
    {
        QObject::connect(&dialog, &NewRecordDialog::recordNamed,
                         [this](const QString& holderCaption, const QString& scoreCaption) {
                             name = holderCaption;
                             score = scoreCaption;
                         });
        dialog.show();
    }
    QLineEdit* nameBox() const { return dialog.findChild<QLineEdit*>("nameBox"); }
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
    void okTakesName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("scoreCaption");
        const auto row = [](const char* tag, const QString& typed, const QString& pasted, int score,
                            const QString& name, const QString& caption) {
            QTest::newRow(tag) << typed << pasted << score << name << caption;
        };
        row("blanks around", "  ab c  ", "", 750, "ab c", " 750");
        row("ideographic blanks", "　太郎　", "", 0, "太郎", " 0");
        row("seventh refused", "abcdefgh", "", -5, "abcdef", "-5");
        row("double byte counts one", "山田太郎花子様", "", 1, "山田太郎花子", " 1");
        row("beyond BMP counts one", "𠮷𠮷𠮷𠮷𠮷𠮷𠮷", "", 1, "𠮷𠮷𠮷𠮷𠮷𠮷", " 1");
        row("paste keeps what fits", "abcd", "XYZ", 1, "abcdXY", " 1");
        row("paste into full box", "abcdef", "Z", 1, "abcdef", " 1");
        row("blanks only", "   ", "", 600, "", " 600");
    }

    void okTakesName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(int, score);
        ShownDialog d(score);
        QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
        auto* text = d.nameBox();
        QVERIFY(text);
        QCOMPARE(QApplication::focusWidget(), text);
        type(text, typed);
        text->insert(pasted);
        QTest::mouseClick(d.dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);

        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!d.dialog.isVisible());
        QTEST(d.state.holder, "name");
        QCOMPARE(d.name, d.state.holder);
        QTEST(d.score, "scoreCaption");
    }

    void escapeKeepsOldHolder()
    {
        ShownDialog d(750);
        QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
        QTest::keyClicks(d.nameBox(), "new");
        QTest::keyClick(&d.dialog, Qt::Key_Escape);

        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
        QVERIFY(!d.dialog.isVisible());
        QCOMPARE(d.state.holder, QStringLiteral("Todo"));
        QCOMPARE(d.state.score, 750);
        QCOMPARE(d.name, QStringLiteral("old"));
        QCOMPARE(d.score, QStringLiteral("old"));
    }
};

GP_GUI_TEST_MAIN(TestNewRecordDialog)
#include "tst_new_record_dialog.moc"
