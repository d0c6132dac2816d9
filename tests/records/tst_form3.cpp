#include "records/form3.h"
#include "records/record_panels.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gp;

namespace {

struct Panels : RecordPanels
{
    QString name = QStringLiteral("old");
    QString score = QStringLiteral("old");
    void setRecordName(const QString& caption) override { name = caption; }
    void setRecordScore(const QString& caption) override { score = caption; }
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

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void okTakesName_data();
    void okTakesName();
    void escapeKeepsOldHolder();
    void enterConfirms();
};

void TestForm3::okTakesName_data()
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

void TestForm3::okTakesName()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(int, score);
    GameState state;
    state.HighScore = std::int16_t(score);
    Panels panels;
    Form3 dialog(state, panels);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* text = dialog.findChild<QLineEdit*>("Text1");
    QVERIFY(text);
    QCOMPARE(QApplication::focusWidget(), text);
    type(text, typed);
    text->insert(pasted);
    QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QTEST(state.HighName, "name");
    QCOMPARE(panels.name, state.HighName);
    QTEST(panels.score, "scoreCaption");
}

void TestForm3::enterConfirms()
{
    GameState state;
    state.HighScore = 900;
    Panels panels;
    Form3 dialog(state, panels);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.findChild<QLineEdit*>("Text1"), " Hana ");
    QTest::keyClick(dialog.findChild<QLineEdit*>("Text1"), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(state.HighName, QStringLiteral("Hana"));
    QCOMPARE(panels.score, QStringLiteral(" 900"));
}

void TestForm3::escapeKeepsOldHolder()
{
    GameState state;
    state.HighScore = 750;
    Panels panels;
    Form3 dialog(state, panels);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.findChild<QLineEdit*>("Text1"), "new");
    QTest::keyClick(&dialog, Qt::Key_Escape);

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(state.HighName, QStringLiteral("Todo"));
    QCOMPARE(state.HighScore, 750);
    QCOMPARE(panels.name, QStringLiteral("old"));
    QCOMPARE(panels.score, QStringLiteral("old"));
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
