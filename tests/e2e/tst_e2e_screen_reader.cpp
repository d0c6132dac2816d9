// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program played by keys alone beside a real screen reader (Orca) on an X server and buses of
// its own, steered by what Orca would say, which its debug log holds.

#include "game/face_geometry.h"
#include "tests/e2e/x_session.h"
#include "tests/support/test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTime>

#include <optional>

using namespace gp;

namespace {

struct Utterance
{
    QString text; // without the role Orca names before a notification
    QTime at;
    bool notification = false; // what the program announced, not what Orca read of a window
};

bool keys(const QString& names)
{
    return xdotool("key --delay 10 " + names);
}

// Arrow keys from one play-area point to another: 5 pixels a press, the rest with Shift.
QString keysBetween(QPoint from, QPoint to)
{
    QStringList list;
    for (const auto& [delta, key] :
         {std::pair{to.x() - from.x(), to.x() < from.x() ? "Left" : "Right"},
          std::pair{to.y() - from.y(), to.y() < from.y() ? "Up" : "Down"}})
        list << QStringList(qAbs(delta) / 5, QLatin1String(key))
             << QStringList(qAbs(delta) % 5, QStringLiteral("shift+") + QLatin1String(key));
    return list.join(u' ') + u' ';
}

} // namespace

class TestScreenReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_started; // the buses and programs of the session
    QList<Utterance> m_heard; // every "SPEECH OUTPUT" line of Orca's log so far
    qsizetype m_next = 0;     // the first not yet waited for
    QList<QRect> m_placed;    // the parts dropped under the cover
    QFile m_log;
    qint64 m_logRead = 0; // bytes of the log taken into it

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    void listen()
    {
        static const QRegularExpression line(
            QStringLiteral("^(\\d\\d:\\d\\d:\\d\\d\\.\\d{3})\\d* - SPEECH OUTPUT: '(notification "
                           ")?(.*?)\\.? ?'"));
        if (!m_log.isOpen() &&
            !(m_log.setFileName(path("orca.log")), m_log.open(QIODevice::ReadOnly)))
            return;
        m_log.seek(m_logRead);
        const QByteArray log = m_log.readAll();
        m_logRead += log.lastIndexOf('\n') + 1;
        for (const QByteArray& text : log.left(log.lastIndexOf('\n')).split('\n'))
            if (const auto m = line.match(QString::fromUtf8(text)); m.hasMatch())
                m_heard.append({m.captured(3),
                                QTime::fromString(m.captured(1), QStringLiteral("HH:mm:ss.zzz")),
                                m.hasCaptured(2)});
    }

    // Waits for the next utterance that matches, passing over the others.
    std::optional<Utterance> next(const std::function<bool(const QString&)>& match,
                                  int timeoutMs = kTimeoutMs, bool announced = false)
    {
        std::optional<Utterance> found;
        waitFor(
            [&] {
                listen();
                while (!found && m_next < m_heard.size())
                    if (match(m_heard[m_next++].text) &&
                        (!announced || m_heard[m_next - 1].notification))
                        found = m_heard[m_next - 1];
                return found.has_value();
            },
            timeoutMs);
        return found;
    }
    std::optional<Utterance> next(const QString& text, int timeoutMs = kTimeoutMs)
    {
        return next([&](const QString& t) { return t == text || t.section(u' ', 0, 0) == text; },
                    timeoutMs);
    }

    // Presses each key and waits to hear the words after it: alternately keys and words. From the
    // start again while the program does not listen yet.
    bool steer(const QStringList& keysAndWords)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            bool heard = true;
            for (qsizetype i = 0; heard && i + 1 < keysAndWords.size(); i += 2)
                heard = keys(keysAndWords[i]) && next(keysAndWords[i + 1], 2000);
            if (heard)
                return true;
            keys("Escape Escape");
        }
        return false;
    }

    // Takes the part, steers it by the hints to its target and drops it there.
    bool placeByEar(int part)
    {
        const QSize size = kPartSizes[GirlA][part];
        QPoint at = QPoint(kStartColumnLeft[GirlA], kStartColumnTop[part]) +
                    QPoint(size.width() / 2, size.height() / 2);
        const QString name =
            QString::fromUtf8(std::array{"右眉", "左眉", "右目", "左目", "鼻", "口"}[part]);
        if (!keys(QString::number(part + 1)) || !next(name + QStringLiteral("を持ちました")))
            return false;
        // Somewhere on the face; each hint halves the range of one axis.
        int lo[2] = {140, 170};
        int hi[2] = {310, 310};
        bool horizontalNext = true; // a guess: the hints take turns
        while (hi[0] - lo[0] > 4 || hi[1] - lo[1] > 4) {
            QPoint to((lo[0] + hi[0] + 1) / 2, (lo[1] + hi[1] + 1) / 2);
            // Off the parts under the cover, which would be named instead: a hint looks at one
            // coordinate, the other is free.
            for (int step = 1;
                 std::any_of(m_placed.begin(), m_placed.end(),
                             [&](const QRect& r) { return r.adjusted(-1, -1, 1, 1).contains(to); });
                 ++step)
                (horizontalNext ? to.ry() : to.rx()) += step % 2 ? step : -step;
            // H marks when the moves are through: a hint spoken soon after may be about a point on
            // the way.
            if (!keys(keysBetween(at, to) + "h"))
                return false;
            at = to;
            const auto marked = next(QStringLiteral("h"));
            std::optional<Utterance> hint;
            while (marked && (hint = next([](const QString& t) {
                                  return t.startsWith(QStringLiteral("もっと")) ||
                                         t.endsWith(QStringLiteral("の上"));
                              })) &&
                   marked->at.msecsTo(hint->at) < 150)
                ;
            if (!hint)
                return false;
            // "もっと右 右 ！": the target lies at this x or right of it, and so on.
            const int way = hint->text.startsWith(QStringLiteral("もっと"))
                                ? int(QStringLiteral("右下左上").indexOf(hint->text[3]))
                                : -1;
            const int axis = way % 2;
            horizontalNext = way < 0 ? !horizontalNext : axis == 1;
            if (way < 0)
                continue;
            const int q = axis == 0 ? at.x() : at.y();
            if (way < 2)
                lo[axis] = std::max(lo[axis], q);
            else
                hi[axis] = std::min(hi[axis], q - 1);
            if (lo[axis] > hi[axis]) { // a hint about a point on the way: look again around here
                lo[axis] = q - 10;
                hi[axis] = q + 10;
            }
        }
        const QPoint target((lo[0] + hi[0] + 1) / 2, (lo[1] + hi[1] + 1) / 2);
        m_placed << QRect(target - QPoint(size.width() / 2, size.height() / 2), size);
        return keys(keysBetween(at, target) + "Return") &&
               next(name + QStringLiteral("を置きました"));
    }

private slots:
    void initTestCase()
    {
        // What the buses start is ended with them (endOrphans).
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        for (const char* dir : {"runtime", "prefs", "home/.config/speech-dispatcher"})
            QVERIFY(QDir(m_dir.path()).mkpath(QLatin1String(dir)));
        QFile::setPermissions(path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Speech goes to speech-dispatcher's module that says nothing, through libao's null device;
        // Orca's log, block-buffered, is to give each line as it is said.
        QVERIFY(writeBytes(path("home/.config/speech-dispatcher/speechd.conf"),
                           "AudioOutputMethod \"libao\"\nAddModule \"dummy\" \"sd_dummy\" \"\"\n"
                           "DefaultModule dummy\n"));
        QVERIFY(writeBytes(path("home/.libao"), "default_driver=null\n"));
        QVERIFY(writeBytes(path("prefs/orca-customizations.py"),
                           "import orca.debug\nif orca.debug.debugFile:\n"
                           "    orca.debug.debugFile.reconfigure(line_buffering=True)\n"));
        for (const auto& [name, value] : {std::pair{"PATH", qEnvironmentVariable("PATH")},
                                          {"LANG", QStringLiteral("C.UTF-8")},
                                          {"DISPLAY", QString::fromLatin1(g_display)},
                                          {"HOME", path("home")},
                                          {"XDG_CONFIG_HOME", path("home/.config")},
                                          {"XDG_DATA_HOME", path("data")},
                                          {"XDG_CACHE_HOME", path("cache")},
                                          {"XDG_RUNTIME_DIR", path("runtime")}})
            m_env.insert(QLatin1String(name), value);

        const QString bus = startSessionBus(m_started, m_env);
        QVERIFY(!bus.isEmpty());
        m_env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
        // A window manager hands the focus to each new window, as on a desktop.
        QVERIFY(startHelper(m_started, m_env, "openbox", "--sm-disable"));
        QVERIFY(startHelper(m_started, m_env, "orca",
                            "-u " + path("prefs") + " --debug-file " + path("orca.log")));
        QVERIFY2(next(QStringLiteral("Screen"), 60000),
                 "Orca did not start (it allows one instance per user)");

        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        m_env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed())
            for (const Utterance& u : m_heard)
                qWarning("heard: %s", qPrintable(u.text));
    }

    void cleanupTestCase()
    {
        m_started.clear(); // kills them: Orca heeds SIGTERM only once an accessibility event comes
        QTest::qWait(200);
        endOrphans();
    }

    // The menu bar gone through by keys, and a hint, as Orca reads them in the desktop's language.
    void speaksTheDesktopsLanguage()
    {
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        QProcess* game = startHelper(m_started, env, g_program, {});
        QVERIFY(game);
        // The titles one by one, then round to the first, whose first item starts a game.
        QVERIFY(steer({"alt", "Game", "Right", "Girl", "Right", "Sound", "Right", "Help", "Right",
                       "Game", "Down", "Start Game"}) &&
                keys("Return"));
        bool heard = false;
        // Taken by its digit, the right eyebrow lies under the point H reports.
        for (int attempt = 0; attempt < 5 && !heard; ++attempt)
            heard = keys("1 h") && next(QStringLiteral("On the right eyebrow"), 3000);
        QVERIFY(heard);
        game->kill();
        game->waitForFinished();
    }

    // A message at start-up is spoken, though the program has only just come up.
    void speaksAStartUpMessage()
    {
        const QString record = path("home/.config/YRM.ini");
        QVERIFY(writeBytes(record, "[GAL%20PORTRAIT]\nH_Name=abc\nCheckFlag=33\n"));
        const auto fresh = qScopeGuard([record] { QFile::remove(record); });
        QProcess* game = startHelper(m_started, m_env, g_program, {});
        QVERIFY(game);
        // Orca reads the message box as it comes up; the announcement is the program's own.
        QVERIFY2(next(
                     [](const QString& text) {
                         return text == QStringLiteral("YRM.INIファイルが不正です。");
                     },
                     20000, true),
                 "not announced");
        QVERIFY(keys("Return"));
        QVERIFY(game->waitForFinished(kTimeoutMs));
        QCOMPARE(game->exitCode(), 0);
    }

    void playsAGameByEar()
    {
        QProcess* game = startHelper(m_started, m_env, g_program, {});
        QVERIFY(game);
        QVERIFY2(steer({"alt", "ゲーム", "Down", "ゲーム開始"}) && keys("Return"), "no game menu");
        QVERIFY2(next(QStringLiteral("ゲーム開始 ！")), "the game did not start");
        for (int part = 0; part < kPartCount; ++part)
            QVERIFY2(placeByEar(part), qPrintable(QStringLiteral("part %1 not placed").arg(part)));

        QVERIFY(keys("Tab space"));
        static const QRegularExpression scored(QStringLiteral("^得点 (\\d+) 点、(\\w+)$"));
        const auto score = next([](const QString& t) { return scored.match(t).hasMatch(); });
        QVERIFY2(score, "no score spoken");
        qInfo("spoken: %s", qPrintable(score->text));
        const int points = scored.match(score->text).captured(1).toInt();
        QVERIFY2(points > 900 && score->text.endsWith(QLatin1String("VeryGood")),
                 qPrintable(score->text));
        QVERIFY2(next(QStringLiteral("記録更新です。%1 点。名前を入力して Enter を押してください")
                          .arg(points)),
                 "no new-record prompt");
        // The name goes into the name box once the window manager has given it the focus.
        QVERIFY2(waitFor([this] {
                     listen();
                     return std::any_of(m_heard.begin(), m_heard.end(),
                                        [](const Utterance& u) { return u.text == u"text"; });
                 }),
                 "the name box did not get the focus");
        QVERIFY(xdotool(QStringLiteral("type --delay 50 Hana")));
        QVERIFY(keys("Return"));

        QVERIFY2(steer({"alt", "ゲーム", "Down", "ゲーム開始", "Up", "終了"}) && keys("Return"),
                 "no way to quit");
        QVERIFY(next(QStringLiteral("GAL PORTRAITを終了します。")));
        QVERIFY(keys("Return"));
        QVERIFY(game->waitForFinished(kTimeoutMs));
        QCOMPARE(game->exitCode(), 0);
        QCOMPARE(recordIn(path("home/.config/YRM.ini")), std::pair(QStringLiteral("Hana"), points));
    }
};

int main(int argc, char** argv)
{
    return runOnOwnXServer<QCoreApplication, TestScreenReader>(argc, argv);
}

#include "tst_e2e_screen_reader.moc"
