#include "game/game_state.h"
#include "media/form2.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace gp;

class Form2Test : public QObject
{
    Q_OBJECT

private slots:
    void gesture_data();
    void gesture();
    void okCloses();
};

void Form2Test::gesture_data()
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
    QTest::newRow("right, Shift") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                  << false;
    QTest::newRow("right, Ctrl") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier)
                                 << false;
    QTest::newRow("right alone") << Qt::RightButton << Qt::KeyboardModifiers() << false;
}

void Form2Test::gesture()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, debug);

    for (int index = 0; index < 3; ++index) {
        GameState state;
        Form2 form(state);
        QStringList shown;
        form.setMessageBox([&](QWidget*, const QString& text) { shown << text; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // Twice: a repeated gesture speaks again and leaves the flag set.
        for (int press = 0; press < 2; ++press) {
            QTest::mousePress(form.Label1(index), button, modifiers);
            QTest::mouseRelease(form.Label1(index), button, modifiers);
        }
        QCOMPARE(state.DebugMode, std::int16_t(debug ? 1 : 0));
        QCOMPARE(shown, debug ? QStringList(2, QStringLiteral("Debug Mode!!")) : QStringList());
        QVERIFY(form.isVisible());
    }
}

void Form2Test::okCloses()
{
    GameState state;
    Form2 form(state);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* ok = form.findChild<QPushButton*>();
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    ok->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
