// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program on an X server of its own, played through a player's pointer and key events
// (xdotool); the driver is a Qt client of that server only to look at the screen.

#include "game/face_geometry.h"
#include "records/check_value.h"
#include "tests/e2e/x_session.h"
#include "tests/support/test_files.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>

using namespace gp;

namespace {

QString at(QPoint point)
{
    return QStringLiteral("mousemove %1 %2 ").arg(point.x()).arg(point.y());
}

bool click(QPoint point)
{
    return xdotool(at(point) + "click 1");
}

QImage screenShot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// No record at all, beaten by any scored game.
const QByteArray kLowRecord = "[GAL%20PORTRAIT]\nH_Name=\nH_Score=-1\nCheckFlag=0\n";

// A screen reader's view of the accessibility bus, without the screen reader: it asks the registry
// for the event a notification raises as it appears, and reads each object that raised it.
class AccessibilityListener : public QObject
{
    Q_OBJECT

public:
    ~AccessibilityListener() override { QDBusConnection::disconnectFromBus(m_bus.name()); }

    // sessionBus: the address of the session bus that starts the accessibility bus.
    bool listen(const QString& sessionBus)
    {
        const QDBusReply<QString> address =
            QDBusConnection::connectToBus(sessionBus, "gp-session")
                .call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                     "org.a11y.Bus", "GetAddress"));
        QDBusConnection::disconnectFromBus("gp-session");
        if (!address.isValid())
            return false;
        m_bus = QDBusConnection::connectToBus(address.value(), "gp-accessibility");
        return m_bus.connect({}, {}, "org.a11y.atspi.Event.Object", "StateChanged", this,
                             SLOT(stateChanged(QDBusMessage))) &&
               m_bus.call(QDBusMessage::createMethodCall("org.a11y.atspi.Registry",
                                                         "/org/a11y/atspi/registry",
                                                         "org.a11y.atspi.Registry", "RegisterEvent")
                          << QStringLiteral("object:state-changed:showing"))
                       .type() == QDBusMessage::ReplyMessage;
    }

    // The names of the notifications shown so far, in the order they appeared, read now.
    QStringList notifications() const
    {
        QStringList names;
        for (const QDBusMessage& shown : m_shown) {
            const auto ask = [&](const char* interface, const char* method) {
                return QDBusMessage::createMethodCall(
                    shown.service(), shown.path(), QLatin1String(interface), QLatin1String(method));
            };
            const QDBusReply<QString> role =
                m_bus.call(ask("org.a11y.atspi.Accessible", "GetRoleName"));
            const QDBusReply<QDBusVariant> name = m_bus.call(
                ask("org.freedesktop.DBus.Properties", "Get")
                << QStringLiteral("org.a11y.atspi.Accessible") << QStringLiteral("Name"));
            if (role.isValid() && role.value() == u"notification" && name.isValid())
                names << name.value().variant().toString();
        }
        return names;
    }

private slots:
    void stateChanged(const QDBusMessage& event)
    {
        const QVariantList args = event.arguments();
        if (args.value(0).toString() == u"showing" && args.value(1).toInt() == 1)
            m_shown << event;
    }

private:
    QDBusConnection m_bus{QString()};
    QList<QDBusMessage> m_shown;
};

} // namespace

class TestE2EPlay : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QProcess> m_game;
    std::vector<std::unique_ptr<QProcess>> m_helpers; // a window manager, buses
    QProcessEnvironment m_extraEnv;                   // for the program, besides the X server's
    QRect m_window;                                   // the main window on the screen
    QPoint m_central;                                 // the central widget below the menu bar

    QString recordFile() const { return m_home->filePath(QStringLiteral(".config/YRM.ini")); }

    // A file size limit stands in for a full disk, as it does for root.
    bool launch(bool diskFull = false)
    {
        QProcessEnvironment env = xEnvironment();
        env.insert(QStringLiteral("HOME"), m_home->path());
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        // No sound card here; SDL's dummy device still takes the cues as a card would.
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        // The game's own language.
        for (const char* locale : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QLatin1String(locale));
        env.insert(m_extraEnv);
        m_game = std::make_unique<QProcess>();
        m_game->setProcessEnvironment(env);
        m_game->setProcessChannelMode(QProcess::ForwardedChannels);
        if (diskFull)
            m_game->setChildProcessModifier([] {
                const rlimit full{16, 16};
                ::setrlimit(RLIMIT_FSIZE, &full);
            });
        m_game->start(g_program, {});
        return m_game->waitForStarted(kTimeoutMs);
    }

    // The program's visible top-level windows, largest first: the main window, then a box or menu.
    QList<QRect> windows() const
    {
        QString ids;
        if (!xdotool("search --onlyvisible --pid " + QString::number(m_game->processId()), &ids))
            return {};
        QList<QRect> found;
        for (const QString& id : ids.split(u'\n', Qt::SkipEmptyParts)) {
            QString shell;
            xdotool("getwindowgeometry --shell " + id, &shell);
            QMap<QString, int> g; // X=, Y=, WIDTH=, HEIGHT= lines
            for (const QString& line : shell.split(u'\n'))
                g[line.section(u'=', 0, 0)] = line.section(u'=', 1).toInt();
            if (const QRect r(g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]); !r.isEmpty())
                found << r;
        }
        std::sort(found.begin(), found.end(), [](const QRect& a, const QRect& b) {
            return a.width() * a.height() > b.width() * b.height();
        });
        return found;
    }

    QRect secondWindow() const { return windows().value(1); }

    // Launches the program and starts a game from the "ゲーム" menu by the pointer: its first item
    // lies in the top eighth (three items and a separator).
    bool startAGame()
    {
        QRect menu;
        if (!launch() || !waitFor([&] { return (m_window = windows().value(0)).isValid(); }) ||
            !click(m_window.topLeft() + QPoint(20, 8)) ||
            !waitFor([&] { return (menu = secondWindow()).isValid(); }))
            return false;
        m_central = QPoint(m_window.left(), menu.top()); // the menu opens below the menu bar
        return click({menu.center().x(), menu.top() + menu.height() / 8}) &&
               waitFor([&] { return secondWindow() != menu; });
    }

    // 完了, in the status frame beside the play area, and the new-record dialog it brings up.
    void declareDone(QRect& dialog)
    {
        QVERIFY(click(m_central + QPoint(572 + 24 + 107 / 2, 9 + 280 + 37 / 2)));
        QVERIFY2(waitFor([&] { return (dialog = secondWindow()).isValid(); }),
                 "no new-record dialog");
    }

    void expectRecordOfHana(int score)
    {
        QCOMPARE(recordIn(recordFile()), std::pair(QStringLiteral("Hana"), score));
        QVERIFY(readBytes(recordFile())
                    .contains("CheckFlag=" +
                              QByteArray::number(checkValue(u"Hana", std::int16_t(score)))));
    }

    void expectCleanExit()
    {
        QVERIFY(m_game->state() == QProcess::NotRunning || m_game->waitForFinished(kTimeoutMs));
        QCOMPARE(m_game->exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_game->exitCode(), 0);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        QVERIFY(QDir(m_home->path()).mkpath(QStringLiteral(".config")));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            const QString shot = QDir::current().absoluteFilePath(
                QStringLiteral("%1-failed.png").arg(QLatin1String(QTest::currentTestFunction())));
            if (screenShot().save(shot))
                qWarning("the screen at the failure: %s", qPrintable(shot));
        }
        xdotool("mouseup 1"); // a carry the failure left
        m_game.reset();       // kills it
        m_helpers.clear();
        endOrphans();
        m_extraEnv.clear();
        m_home.reset();
    }

    void sessionEndKeepsTheRecord_data()
    {
        QTest::addColumn<bool>("displayLost");
        // A perfect game by the mouse; the session ends while the player is still naming.
        QTest::newRow("terminated while naming") << false;
        // The player's X server goes away (a crash, a dropped remote session) once the name is
        // taken. Any scored game beats a record below zero: done at once is enough.
        QTest::newRow("display lost") << true;
    }
    void sessionEndKeepsTheRecord()
    {
        QFETCH(bool, displayLost);
        // A server of the test's own to lose: the driver's, with its screenshots, stays.
        QProcess server;
        const QByteArray display = displayLost ? startXServer(server) : g_display;
        QVERIFY(!display.isEmpty());
        const auto driverDisplay =
            qScopeGuard([old = std::exchange(g_display, display)] { g_display = old; });
        if (displayLost)
            QVERIFY(writeBytes(recordFile(), kLowRecord));
        QVERIFY2(startAGame(), "no game started");
        // Each part pressed at its middle in the tray and let go with that point over its target.
        for (int part = 0; part < kPartCount && !displayLost; ++part) {
            const QSize size = kPartSizes[GirlA][part];
            const QPoint grab = m_central + QPoint(8 + kStartColumnLeft[GirlA] + size.width() / 2,
                                                   8 + kStartColumnTop[part] + size.height() / 2);
            const QPoint target = m_central + QPoint(8, 8) + kTargets[GirlA][part];
            QString moves = at(grab) + "mousedown 1 ";
            for (int step = 1; step <= 4; ++step)
                moves += at(grab + (target - grab) * step / 4);
            QVERIFY(xdotool(moves + "mouseup 1"));
        }
        QRect dialog;
        declareDone(dialog);
        if (displayLost) {
            // The name box has the focus; Tab goes on to OK, which Space presses. Keys go to the
            // window under the pointer, as no window manager hands out the focus.
            QVERIFY(xdotool(at(dialog.center()) + "type Hana"));
            QVERIFY(xdotool("key Tab space"));
            QVERIFY2(waitFor([this] { return !secondWindow().isValid(); }), "the dialog stayed");
            server.kill();
            server.waitForFinished();
            // Qt ends it with exit(1); under the leak checker, with what that leaves unfreed.
            QVERIFY(m_game->waitForFinished(kTimeoutMs));
        } else {
            QImage empty; // the dialog drawn and settled
            QVERIFY(waitFor([&] {
                const QImage before = screenShot().copy(dialog);
                QTest::qWait(200);
                return (empty = screenShot().copy(dialog)) == before;
            }));
            QVERIFY(xdotool(at(dialog.center()) + "type Hana"));
            QVERIFY2(waitFor([&] { return screenShot().copy(dialog) != empty; }), "nothing typed");
            QTest::qWait(300); // the last letters drawn too
            QVERIFY(::kill(pid_t(m_game->processId()), SIGTERM) == 0);
            expectCleanExit();
        }
        if (!QTest::currentTestFailed())
            expectRecordOfHana(displayLost ? 0 : 1000);
    }

    // What a screen reader is told through the accessibility bus: each announcement appears as a
    // notification of its own, and keeps its text while those that follow it quickly come.
    void announcementsReachTheAccessibilityBus()
    {
        ::prctl(PR_SET_CHILD_SUBREAPER, 1); // the accessibility bus and registry, ended at cleanup
        QProcessEnvironment env = xEnvironment();
        env.insert(QStringLiteral("HOME"), m_home->path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->path());
        const QString bus = startSessionBus(m_helpers, env);
        QVERIFY(!bus.isEmpty());
        AccessibilityListener listener;
        QVERIFY2(listener.listen(bus), "no accessibility bus");
        m_extraEnv.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
        m_extraEnv.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->path());
        m_extraEnv.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        QVERIFY2(startAGame(), "no game started");
        // Two parts taken by their digits and put down again at once.
        QVERIFY(xdotool(at(m_window.center()) + "key --delay 20 1 Return 2 Return"));
        const QStringList told{"右眉を持ちました", "右眉を置きました", "左眉を持ちました",
                               "左眉を置きました"};
        QStringList heard;
        const bool all = waitFor([&] {
            heard = listener.notifications();
            qsizetype next = 0; // stray hints may come between
            for (const QString& name : heard)
                next += next < told.size() && name == told[next];
            return next == told.size();
        });
        QVERIFY2(all, qPrintable(heard.join(u'|')));
    }

    // A stopped X server answers nothing: every call that waits for it blocks. The game still
    // ends within ten seconds of a termination signal, and at once at a second one, with the
    // record and the name typed so far saved. Idle, the disk is full besides: the save fails, and
    // the signal a write past the limit raises must not kill the program.
    void frozenDisplayEndsTheGameInTime_data()
    {
        QTest::addColumn<bool>("naming");
        QTest::addColumn<int>("signalCount");
        QTest::addColumn<int>("withinMs");
        QTest::newRow("idle, disk full") << false << 1 << 10000;
        QTest::newRow("naming") << true << 1 << 10000;
        QTest::newRow("naming, signalled twice") << true << 2 << 2000;
    }
    void frozenDisplayEndsTheGameInTime()
    {
        QFETCH(bool, naming);
        QFETCH(int, signalCount);
        QFETCH(int, withinMs);
        QProcess server;
        const QByteArray display = startXServer(server);
        QVERIFY(!display.isEmpty());
        const auto driverDisplay =
            qScopeGuard([old = std::exchange(g_display, display)] { g_display = old; });
        const pid_t serverPid = pid_t(server.processId());
        const auto thaw = qScopeGuard([serverPid] { ::kill(serverPid, SIGCONT); });
        QVERIFY(writeBytes(recordFile(), kLowRecord));
        if (naming) {
            QVERIFY2(startAGame(), "no game started");
            QRect dialog;
            declareDone(dialog);
            QVERIFY(xdotool(at(dialog.center()) + "type Hana"));
        } else {
            QVERIFY(launch(true));
            QVERIFY(waitFor([&] { return windows().value(0).isValid(); }));
        }
        QTest::qWait(1000); // typed, drawn, and the text cursor blinking
        QVERIFY(::kill(serverPid, SIGSTOP) == 0);
        QTest::qWait(500);
        QElapsedTimer ending;
        ending.start();
        for (int i = 0; i < signalCount; ++i) {
            QTest::qWait(i * 200);
            QVERIFY(::kill(pid_t(m_game->processId()), SIGTERM) == 0);
        }
        QVERIFY2(m_game->waitForFinished(withinMs + 1000) && ending.elapsed() < withinMs,
                 qPrintable(QStringLiteral("still running after %1 ms").arg(ending.elapsed())));
        expectCleanExit();
        if (naming)
            expectRecordOfHana(0);
        else
            QCOMPARE(recordIn(recordFile()), std::pair(QString(), -1));
    }

    void refusesAnEditedRecord_data()
    {
        QTest::addColumn<bool>("terminated"); // rather than the message answered
        QTest::newRow("answered") << false;
        // Nothing is lost then; the game ends as it does at any other time.
        QTest::newRow("terminated while the message is up") << true;
    }
    void refusesAnEditedRecord()
    {
        QFETCH(bool, terminated);
        // A genuine record of 1000 points by "Hana", its check value edited.
        const QByteArray stored = "[GAL%20PORTRAIT]\nH_Name=Hana\nH_Score=1000\nCheckFlag=" +
                                  QByteArray::number(checkValue(u"Hana", 1000) + 1) + '\n';
        QVERIFY(writeBytes(recordFile(), stored));
        const QDateTime written = QFileInfo(recordFile()).lastModified();

        // A window manager places the main window away from the screen's corner; the message must
        // come up over it, not where the window was before it was placed.
        QVERIFY(startHelper(m_helpers, xEnvironment(), "openbox", "--sm-disable"));
        QVERIFY(xdotool("mousemove 512 384"));
        QTest::qWait(500); // openbox takes the screen

        QVERIFY(launch());
        QRect box;
        QVERIFY2(waitFor([&] { return (box = secondWindow()).isValid(); }), "no message box");
        const QRect window = windows().value(0);
        QVERIFY2(window.left() > 60 || window.top() > 60, "the window was not placed");
        const QPoint off = box.center() - window.center();
        QVERIFY2(qAbs(off.x()) < 40 && qAbs(off.y()) < 40,
                 qPrintable(QStringLiteral("box off centre by %1,%2").arg(off.x()).arg(off.y())));
        if (terminated)
            QVERIFY(::kill(pid_t(m_game->processId()), SIGTERM) == 0);
        else
            QVERIFY(xdotool(at(box.center()) + "key Return"));
        expectCleanExit();
        QCOMPARE(readBytes(recordFile()), stored);
        QCOMPARE(QFileInfo(recordFile()).lastModified(), written);
    }
};

int main(int argc, char** argv)
{
    return runOnOwnXServer<QGuiApplication, TestE2EPlay>(argc, argv);
}

#include "tst_e2e_play.moc"
