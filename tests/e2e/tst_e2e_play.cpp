// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the real program on an X server of its own, through the same pointer and key events a
// player makes (xdotool), and reads the record file it leaves behind. The driver itself is a Qt
// client of that server only to look at the screen.

#include "game/face_geometry.h"
#include "tests/e2e/x_session.h"
#include "tests/support/test_files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QProcess>
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

} // namespace

class TestE2EPlay : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QProcess> m_game;
    std::unique_ptr<QProcess> m_windowManager; // only where a test needs windows placed
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

        // 完了, in the status frame beside the play area.
        QVERIFY(click(m_central + QPoint(572 + 24 + 107 / 2, 9 + 280 + 37 / 2)));
        QVERIFY2(waitFor([&] { return (dialog = secondWindow()).isValid(); }),
                 "no new-record dialog");
        // The dialog may be mapped before the uncovered face is drawn.
        QVERIFY2(waitFor([this] { return !coverShown(); }), "the cover stayed");
    }

    void expectRecordOfHana()
    {
        const QByteArray bytes = readBytes(recordFile());
        QVERIFY2(bytes.contains("[GAL%20PORTRAIT]"), bytes.constData());
        QSettings ini(recordFile(), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("GAL PORTRAIT"));
        QCOMPARE(ini.value(QStringLiteral("H_Name")).toString(), QStringLiteral("Hana"));
        QCOMPARE(ini.value(QStringLiteral("H_Score")).toInt(), 1000);
        QCOMPARE(ini.value(QStringLiteral("CheckFlag")).toInt(), asciiCheckValue("Hana", 1000));
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
        if (m_game && m_game->state() != QProcess::NotRunning) {
            m_game->kill();
            m_game->waitForFinished();
        }
        m_game.reset();
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
        // The name box has the focus; Tab goes on to OK, which Space presses. Keys go to the window
        // under the pointer, as no window manager hands out the focus.
        QVERIFY(xdotool(at(dialog.center()) + "type Hana"));
        QVERIFY(xdotool("key Tab space"));
        QVERIFY2(waitFor([this] { return !secondWindow().isValid(); }), "the dialog stayed");
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
