// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// main() for the GUI tests. A modal window that a test did not plan for waits for a click that
// never comes and the test would hang; the guard fails the running test at once with the window's
// text and closes the window, so the call that opened it returns.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>

// The class of a modal window that a test opens on purpose and closes itself, or null.
inline const char* g_expectedModal = nullptr;

class ModalGuard : public QObject
{
public:
    ModalGuard() { qApp->installEventFilter(this); }
    ~ModalGuard() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !window->isModal() ||
            (g_expectedModal && window->inherits(g_expectedModal)))
            return false;
        QPointer<QWidget> shown(window);
        QMetaObject::invokeMethod(
            window,
            [shown] {
                if (auto* dialog = qobject_cast<QDialog*>(shown.data()))
                    dialog->done(QDialog::Rejected);
                else if (shown)
                    shown->close();
            },
            Qt::QueuedConnection);
        QStringList texts{QString::fromLatin1(window->metaObject()->className()),
                          window->windowTitle()};
        for (QLabel* label : window->findChildren<QLabel*>()) // a message box's text too
            texts << label->text();
        texts.removeAll(QString());
        QTest::qFail(qPrintable("unexpected modal window: " + texts.join(QStringLiteral(" | "))),
                     __FILE__, __LINE__);
        return false;
    }
};

template <class TestObject> int runGuiTest(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    ModalGuard guard;
    TestObject test;
    return QTest::qExec(&test, argc, argv);
}

#define GP_GUI_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        return runGuiTest<TestObject>(argc, argv);                                                 \
    }
