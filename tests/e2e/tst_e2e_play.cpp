// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the real program on an X server of its own, through the same pointer and key events a
// player makes (xdotool), and reads the record file it leaves behind. The driver itself is a Qt
// client of that server only to look at the screen.

#include "game/face_geometry.h"
#include "tests/e2e/x_session.h"
#include "tests/support/test_files.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

using namespace gp;

namespace {

constexpr QRgb kCyan = 0x00FFFF;
constexpr QRgb kCover = 0xFFFF80;

QString at(QPoint point)
{
    return QStringLiteral("mousemove %1 %2 ").arg(point.x()).arg(point.y());
}

QImage screenShot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

bool hasColour(const QImage& image, QPoint point, QRgb rgb)
{
    return image.rect().contains(point) && (image.pixel(point) & 0xFFFFFF) == rgb;
}

// The check value of an ASCII name: its bytes XORed, masked by NOT score, on 16 bits.
int asciiCheckValue(const QByteArray& name, int score)
{
    int x = 0;
    for (char c : name)
        x ^= static_cast<unsigned char>(c);
    return static_cast<std::int16_t>(x & ~score);
}

// An object of the accessibility tree as AT-SPI names it: its program's bus name and its path.
using Accessible = QPair<QString, QString>;

QVariantList atspiCall(const QDBusConnection& bus, const Accessible& node, const char* interface,
                       const char* method, const QVariantList& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        node.first, node.second, QLatin1String(interface), QLatin1String(method));
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, kTimeoutMs).arguments();
}

QList<Accessible> childrenOf(const QDBusConnection& bus, const Accessible& node)
{
    const QVariantList reply = atspiCall(bus, node, "org.a11y.atspi.Accessible", "GetChildren");
    QList<Accessible> children;
    const auto list = reply.value(0).value<QDBusArgument>(); // a(so)
    if (list.currentType() != QDBusArgument::ArrayType)
        return children;
    list.beginArray();
    while (!list.atEnd()) {
        QString service;
        QDBusObjectPath path;
        list.beginStructure();
        list >> service >> path;
        list.endStructure();
        children << Accessible(service, path.path());
    }
    list.endArray();
    return children;
}

// Its "Name" or "Description".
QString textOf(const QDBusConnection& bus, const Accessible& node, const char* property)
{
    const QVariantList reply =
        atspiCall(bus, node, "org.freedesktop.DBus.Properties", "Get",
                  {QStringLiteral("org.a11y.atspi.Accessible"), QLatin1String(property)});
    return reply.value(0).value<QDBusVariant>().variant().toString();
}

} // namespace

class TestE2EPlay : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QProcess> m_game;
    std::unique_ptr<QProcess> m_windowManager; // only where a test needs windows placed
    std::unique_ptr<QProcess> m_sessionBus;    // only where a test reads the accessibility tree
    QProcessEnvironment m_programEnvironment;  // added to the program's environment
    QRect m_window;                            // the main window on the screen
    QPoint m_area;                             // girl A's play area, top left, on the screen
    QPoint m_central;                          // the central widget below the menu bar

    QString recordFile() const { return m_home->filePath(QStringLiteral(".config/YRM.ini")); }

    bool launch()
    {
        QProcessEnvironment env = xEnvironment();
        env.insert(QStringLiteral("HOME"), m_home->path());
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        // No sound card here; SDL's dummy device still takes the cues as a card would.
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        // The game's own language unless a test asks for another.
        for (const char* locale : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QLatin1String(locale));
        env.insert(m_programEnvironment);
        m_game = std::make_unique<QProcess>();
        m_game->setProcessEnvironment(env);
        m_game->setProcessChannelMode(QProcess::ForwardedChannels);
        m_game->start(g_program, {});
        return m_game->waitForStarted(kTimeoutMs);
    }

    // The program's visible top-level windows, largest first: the main window, then any box,
    // dialog or open menu.
    QList<QRect> windows() const
    {
        QString ids;
        if (!xdotool("search --onlyvisible --pid " + QString::number(m_game->processId()), &ids))
            return {};
        QList<QRect> found;
        for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QString shell;
            xdotool("getwindowgeometry --shell " + id, &shell);
            QMap<QString, int> geometry; // X=, Y=, WIDTH=, HEIGHT= lines
            for (const QString& line : shell.split(QLatin1Char('\n')))
                geometry[line.section(QLatin1Char('='), 0, 0)] =
                    line.section(QLatin1Char('='), 1).toInt();
            const QRect r(geometry[QStringLiteral("X")], geometry[QStringLiteral("Y")],
                          geometry[QStringLiteral("WIDTH")], geometry[QStringLiteral("HEIGHT")]);
            if (!r.isEmpty())
                found << r;
        }
        std::sort(found.begin(), found.end(), [](const QRect& a, const QRect& b) {
            return a.width() * a.height() > b.width() * b.height();
        });
        return found;
    }

    // The window besides the main one, if one is open.
    QRect secondWindow() const
    {
        const QList<QRect> all = windows();
        return all.size() > 1 ? all[1] : QRect();
    }

    // Finds the main window and, by its cyan tray, girl A's play area; true once it is drawn.
    bool locateMainWindow()
    {
        const QList<QRect> all = windows();
        if (all.isEmpty())
            return false;
        m_window = all.first();
        const QImage shot = screenShot();
        QRect tray;
        for (int y = m_window.top(); y <= m_window.bottom(); ++y)
            for (int x = m_window.left(); x <= m_window.right(); ++x)
                if (hasColour(shot, {x, y}, kCyan))
                    tray |= QRect(x, y, 1, 1);
        // The tray is the play area's strip right of the face: x 440..553, from its top down.
        if (tray.width() != kPlayAreaWidth - kFaceWidth || tray.height() < kPlayAreaHeight)
            return false;
        m_area = tray.topLeft() - QPoint(kFaceWidth, 0);
        m_central = m_area - QPoint(8, 8);
        return true;
    }

    static bool click(QPoint point) { return xdotool(at(point) + "click 1"); }

    // Opens the "ゲーム" menu with the pointer and clicks its first or its last item.
    bool chooseFromGameMenu(bool last)
    {
        const int menuBarHeight = m_central.y() - m_window.top();
        if (menuBarHeight < 10 || menuBarHeight > 60) {
            qWarning("no room for a menu bar: %d pixels", menuBarHeight);
            return false;
        }
        QRect menu;
        if (!click({m_window.left() + 20, m_window.top() + menuBarHeight / 2}) ||
            !waitFor([&] { return (menu = secondWindow()).isValid(); }))
            return false;
        if (menu.top() < m_central.y() - 2 || menu.height() < 40) {
            qWarning("not the menu: %d,%d %dx%d", menu.x(), menu.y(), menu.width(), menu.height());
            return false;
        }
        // Three items and a separator: an eighth of the height lies inside the first or last.
        const int y = last ? menu.bottom() - menu.height() / 8 : menu.top() + menu.height() / 8;
        return click({menu.left() + menu.width() / 2, y}) &&
               waitFor([&] { return secondWindow() != menu; });
    }

    bool coverShown() const
    {
        const QImage shot = screenShot();
        for (QPoint p : {QPoint(5, 5), QPoint(220, 200), QPoint(kFaceWidth - 5, kFaceHeight - 5)})
            if (!hasColour(shot, m_area + p, kCover))
                return false;
        return true;
    }

    QRect trayPlace(int part) const
    {
        return {m_area + QPoint(kStartColumnLeft[GirlA], kStartColumnTop[part]),
                kPartSizes[GirlA][part]};
    }

    bool trayPlaceEmpty(int part) const
    {
        const QImage shot = screenShot();
        const QRect r = trayPlace(part);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (!hasColour(shot, {x, y}, kCyan))
                    return false;
        return true;
    }

    // 完了, in the status frame beside the play area.
    QPoint doneButton() const { return m_central + QPoint(572 + 24 + 107 / 2, 9 + 280 + 37 / 2); }

    // Presses the part at its middle and lets go with that point over its target.
    bool dragToTarget(int part)
    {
        const QRect from = trayPlace(part);
        const QPoint grab = from.topLeft() + QPoint(from.width() / 2, from.height() / 2);
        const QPoint target = m_area + kTargets[GirlA][part];
        QString moves = at(grab) + "mousedown 1 ";
        for (int step = 1; step <= 4; ++step)
            moves += at(grab + (target - grab) * step / 4);
        return xdotool(moves + "mouseup 1");
    }

    // A session bus of the test's own, through which the program and the test reach the
    // accessibility bus (at-spi-bus-launcher starts it on demand); the connection to that bus.
    QDBusConnection accessibilityBus()
    {
        const QString runtime = m_home->filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        m_programEnvironment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        m_programEnvironment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"),
                                    QStringLiteral("1"));
        QProcessEnvironment env = xEnvironment();
        env.insert(m_programEnvironment);
        m_sessionBus = std::make_unique<QProcess>();
        m_sessionBus->setProcessEnvironment(env);
        m_sessionBus->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_sessionBus->start(QStringLiteral("dbus-daemon"),
                            QStringLiteral("--session --nofork --print-address=1").split(u' '));
        m_sessionBus->waitForReadyRead(kTimeoutMs);
        const QString address = QString::fromLatin1(m_sessionBus->readLine().trimmed());
        m_programEnvironment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        const QString name = QLatin1String(QTest::currentDataTag());
        const QVariantList reply =
            atspiCall(QDBusConnection::connectToBus(address, QStringLiteral("session ") + name),
                      {QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus")},
                      "org.a11y.Bus", "GetAddress");
        return QDBusConnection::connectToBus(reply.value(0).toString(), name);
    }

    // The program's accessible objects, its application object first, as a screen reader
    // finds them through the registry; empty until the program has registered.
    static QList<Accessible> accessibleTree(const QDBusConnection& bus)
    {
        QList<Accessible> tree;
        for (const Accessible& program :
             childrenOf(bus, {QStringLiteral("org.a11y.atspi.Registry"),
                              QStringLiteral("/org/a11y/atspi/accessible/root")}))
            if (textOf(bus, program, "Name") == QLatin1String("GAL PORTRAIT"))
                tree << program;
        for (qsizetype i = 0; i < tree.size() && i < 500; ++i)
            tree << childrenOf(bus, tree[i]);
        return tree;
    }

    void expectCleanExit()
    {
        QVERIFY(m_game->waitForFinished(kTimeoutMs));
        QCOMPARE(m_game->exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_game->exitCode(), 0);
    }

    // Starts the program and plays a perfect game up to the new-record dialog, which it returns.
    void playUntilNewRecord(QRect& dialog)
    {
        QVERIFY(launch());
        QVERIFY2(waitFor([this] { return locateMainWindow(); }), "no main window with a tray");
        QCOMPARE(m_central.x(), m_window.left());
        QVERIFY(!secondWindow().isValid());

        QVERIFY(chooseFromGameMenu(false)); // ゲーム開始
        QVERIFY2(waitFor([this] { return coverShown(); }), "the game did not start");
        for (int part = 0; part < kPartCount; ++part) {
            QVERIFY(!trayPlaceEmpty(part));
            QVERIFY(dragToTarget(part));
            // Dropped on the face, the part vanishes under the cover.
            QVERIFY2(waitFor([&] { return trayPlaceEmpty(part); }),
                     qPrintable(QStringLiteral("part %1 stayed in the tray").arg(part)));
        }

        QVERIFY(click(doneButton()));
        QVERIFY2(waitFor([&] { return (dialog = secondWindow()).isValid(); }),
                 "no new-record dialog");
        // The dialog may be mapped before the uncovered face is drawn.
        QVERIFY2(waitFor([this] { return !coverShown(); }), "the cover stayed");
    }

    // Types "Hana" and presses OK. The name box has the focus; Tab goes on to OK, which Space
    // presses. Keys go to the window under the pointer, as no window manager hands out the focus.
    void nameTheRecord(QRect dialog)
    {
        QVERIFY(xdotool(at(dialog.center()) + "type Hana"));
        QVERIFY(xdotool("key Tab space"));
        QVERIFY2(waitFor([this] { return !secondWindow().isValid(); }), "the dialog stayed");
    }

    void expectRecordOfHana(int score = 1000)
    {
        const QByteArray bytes = readBytes(recordFile());
        QVERIFY2(bytes.contains("[GAL%20PORTRAIT]"), bytes.constData());
        QSettings ini(recordFile(), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("GAL PORTRAIT"));
        QCOMPARE(ini.value(QStringLiteral("H_Name")).toString(), QStringLiteral("Hana"));
        QCOMPARE(ini.value(QStringLiteral("H_Score")).toInt(), score);
        QCOMPARE(ini.value(QStringLiteral("CheckFlag")).toInt(), asciiCheckValue("Hana", score));
    }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
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
        if (m_game && m_game->state() != QProcess::NotRunning) {
            m_game->kill();
            m_game->waitForFinished();
        }
        m_game.reset();
        if (m_sessionBus) {
            m_sessionBus->terminate();
            m_sessionBus->waitForFinished();
            m_sessionBus.reset();
        }
        m_programEnvironment.clear();
        if (m_windowManager) {
            m_windowManager->terminate();
            m_windowManager->waitForFinished();
            m_windowManager.reset();
        }
        m_home.reset();
    }

    void playsAPerfectGameAndKeepsTheRecord()
    {
        QRect dialog;
        playUntilNewRecord(dialog);
        if (QTest::currentTestFailed())
            return;
        nameTheRecord(dialog);
        QVERIFY(!QFile::exists(recordFile())); // kept only when the program ends

        QVERIFY(chooseFromGameMenu(true)); // 終了
        QRect confirm;
        QVERIFY2(waitFor([&] { return (confirm = secondWindow()).isValid(); }),
                 "no question before quitting");
        QVERIFY(xdotool(at(confirm.center()) + "key Return"));
        expectCleanExit();
        if (!QTest::currentTestFailed())
            expectRecordOfHana();
    }

    void terminationKeepsTheRecord()
    {
        // The session ends while the player is still naming the new record.
        QRect dialog;
        playUntilNewRecord(dialog);
        if (QTest::currentTestFailed())
            return;
        const QImage empty = screenShot().copy(dialog);
        QVERIFY(xdotool(at(dialog.center()) + "type Hana"));
        QVERIFY2(waitFor([&] { return screenShot().copy(dialog) != empty; }), "nothing typed");
        QTest::qWait(300); // the last letters drawn too
        QVERIFY(::kill(pid_t(m_game->processId()), SIGTERM) == 0);
        expectCleanExit();
        if (!QTest::currentTestFailed())
            expectRecordOfHana();
    }

    void speaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("menus");
        QTest::addColumn<QString>("hint");
        QTest::newRow("English") << "LANG=en_US.UTF-8"
                                 << "Game|Girl|Sound|Help"
                                 << "Message|On the right eyebrow";
        QTest::newRow("LANGUAGE first") << "LANGUAGE=ja LANG=en_US.UTF-8"
                                        << "ゲーム|少女の選択|サイレントモード|ヘルプ"
                                        << "メッセージ|右眉の上";
    }

    // The menu titles and a hint, read over AT-SPI as a screen reader reads them.
    void speaksTheDesktopsLanguage()
    {
        QFETCH(QString, environment);
        QFETCH(QString, menus);
        QFETCH(QString, hint);
        const QDBusConnection bus = accessibilityBus();
        QVERIFY2(bus.isConnected(), "no accessibility bus");
        for (const QString& variable : environment.split(u' '))
            m_programEnvironment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QVERIFY(launch());
        QVERIFY2(waitFor([this] { return locateMainWindow(); }), "no main window with a tray");
        QList<Accessible> tree;
        QVERIFY2(waitFor([&] { return (tree = accessibleTree(bus)).size() > 40; }),
                 "the program is not on the accessibility bus");

        // The menu bar: the one object whose children bear the menu titles.
        bool menuBar = false;
        Accessible panel;
        for (const Accessible& node : tree) {
            QStringList names;
            for (const Accessible& child : childrenOf(bus, node))
                names << textOf(bus, child, "Name");
            menuBar = menuBar || names.join(u'|') == menus;
            if (textOf(bus, node, "Name") == hint.section(u'|', 0, 0))
                panel = node;
        }
        QVERIFY2(menuBar, qPrintable(menus));

        // Carried over its own image, the right eyebrow names itself on the hint panel.
        QVERIFY(chooseFromGameMenu(false));
        QVERIFY2(waitFor([this] { return coverShown(); }), "the game did not start");
        const QPoint grab = trayPlace(0).center();
        QVERIFY(
            xdotool(at(grab) + "mousedown 1 " + at(grab + QPoint(3, 0)) + at(grab + QPoint(4, 1))));
        QString shown;
        QVERIFY2(waitFor([&] {
                     return (shown = textOf(bus, panel, "Description")) == hint.section(u'|', 1);
                 }),
                 qPrintable(shown));
        QVERIFY(xdotool("mouseup 1"));
    }

    void displayLossKeepsTheRecord()
    {
        // The player's X server goes away (a crash, a dropped remote session) once the name is
        // taken. A server of the test's own: the driver's, with its screenshots, stays.
        QProcess server;
        const QByteArray display = startXServer(server);
        QVERIFY(!display.isEmpty());
        const auto driverDisplay =
            qScopeGuard([old = std::exchange(g_display, display)] { g_display = old; });
        // Any scored game beats a record below zero: done at once is enough, found by geometry.
        QVERIFY(QDir(m_home->path()).mkpath(QStringLiteral(".config")));
        QVERIFY(writeBytes(recordFile(), "[GAL%20PORTRAIT]\nH_Name=\nH_Score=-1\nCheckFlag=0\n"));
        QVERIFY(launch());
        QVERIFY(waitFor([this] { return !windows().isEmpty(); }));
        m_window = windows().first();
        QRect menu;
        QVERIFY(click(m_window.topLeft() + QPoint(20, 8)));
        QVERIFY2(waitFor([&] { return (menu = secondWindow()).isValid(); }), "no game menu");
        m_central = QPoint(m_window.left(), menu.top()); // the menu opens below the menu bar
        QVERIFY(click({menu.center().x(), menu.top() + menu.height() / 8})); // ゲーム開始
        QVERIFY(waitFor([&] { return !secondWindow().isValid(); }));
        QVERIFY(click(doneButton()));
        QRect dialog;
        QVERIFY2(waitFor([&] { return (dialog = secondWindow()).isValid(); }),
                 "no new-record dialog");
        nameTheRecord(dialog);
        server.kill();
        server.waitForFinished();
        // Qt ends it with exit(1); under the leak checker, with what that leaves unfreed.
        QVERIFY(m_game->waitForFinished(kTimeoutMs));
        expectRecordOfHana(0);
    }

    void refusesAnEditedRecord()
    {
        QVERIFY(QDir(m_home->path()).mkpath(QStringLiteral(".config")));
        // A genuine record of 1000 points by "Hana", its check value edited.
        const QByteArray stored = "[GAL%20PORTRAIT]\nH_Name=Hana\nH_Score=1000\nCheckFlag=" +
                                  QByteArray::number(asciiCheckValue("Hana", 1000) + 1) + '\n';
        QVERIFY(writeBytes(recordFile(), stored));
        const QDateTime written = QFileInfo(recordFile()).lastModified();

        // A window manager places the main window away from the screen's corner; the message
        // must come up over it, not where the window was before it was placed.
        m_windowManager = std::make_unique<QProcess>();
        m_windowManager->setProcessEnvironment(xEnvironment());
        m_windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY(m_windowManager->waitForStarted(kTimeoutMs));
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
