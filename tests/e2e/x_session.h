// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The end-to-end drivers' X server of their own and the X input tool that plays on it.

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

inline QString g_program; // the program under test
inline QByteArray g_display;
inline qint64 g_serverPid = 0;

constexpr int kTimeoutMs = 15000;

// An Xvfb that picks a free display itself (-displayfd), so parallel runs never collide. It dies
// with the driver, even a crashed one. Returns the display, or nothing when the server failed.
inline QByteArray startXServer(QProcess& server)
{
    server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(
        QStringLiteral("Xvfb"),
        QStringLiteral("-displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset").split(u' '));
    QDeadlineTimer deadline(kTimeoutMs);
    while (!server.canReadLine() && server.waitForReadyRead(int(deadline.remainingTime())))
        ;
    const QByteArray number = server.readLine().trimmed();
    return number.isEmpty() ? QByteArray() : ':' + number;
}

inline QProcessEnvironment xEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(g_display));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

// Runs xdotool to the end; false when it failed (a search that finds nothing fails too).
inline bool xdotool(const QString& args, QString* output = nullptr)
{
    QProcess p;
    p.setProcessEnvironment(xEnvironment());
    p.start(QStringLiteral("xdotool"), args.split(u' ', Qt::SkipEmptyParts));
    const bool ok =
        p.waitForFinished(kTimeoutMs) && p.exitStatus() == QProcess::NormalExit && !p.exitCode();
    if (ok && output)
        *output = QString::fromLocal8Bit(p.readAllStandardOutput());
    return ok;
}

inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = kTimeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

// A helper (bus, window manager, screen reader) that dies with the driver; null if it did not
// start.
inline QProcess* startHelper(std::vector<std::unique_ptr<QProcess>>& helpers,
                             const QProcessEnvironment& env, const QString& program,
                             const QString& args)
{
    auto& p = helpers.emplace_back(std::make_unique<QProcess>());
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    p->start(program, args.split(u' ', Qt::SkipEmptyParts));
    return p->waitForStarted(kTimeoutMs) ? p.get() : nullptr;
}

// A session bus of the test's own; its address, empty when it did not start.
inline QString startSessionBus(std::vector<std::unique_ptr<QProcess>>& helpers,
                               const QProcessEnvironment& env)
{
    QProcess* bus = startHelper(helpers, env, QStringLiteral("dbus-daemon"),
                                QStringLiteral("--session --nofork --print-address=1"));
    if (!bus || !waitFor([bus] {
            bus->waitForReadyRead(100);
            return bus->canReadLine();
        }))
        return {};
    return QString::fromLatin1(bus->readLine().trimmed());
}

// What the buses start outlives them for a while; with the driver a subreaper
// (PR_SET_CHILD_SUBREAPER) the orphans come back to it, and this ends them, the X server aside.
inline void endOrphans()
{
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile file(QStringLiteral("/proc/%1/stat").arg(entry));
        const QByteArray stat = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        // The parent follows the name, in parentheses, and the state.
        const int pid = entry.toInt();
        if (pid > 0 && pid != g_serverPid &&
            stat.mid(stat.lastIndexOf(')')).split(' ').value(2).toInt() == ::getpid()) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
}

// The record holder's name and score in the record file the program left.
inline std::pair<QString, int> recordIn(const QString& file)
{
    QSettings ini(file, QSettings::IniFormat);
    return {ini.value(QStringLiteral("GAL PORTRAIT/H_Name")).toString(),
            ini.value(QStringLiteral("GAL PORTRAIT/H_Score"), -2).toInt()};
}

// main() of a driver: the program under test comes first, QtTest's own options follow. The package
// list installs Xvfb, so a server that cannot start is a failure, not a skip.
template <typename Application, typename Test> int runOnOwnXServer(int argc, char** argv)
{
    if (argc < 2)
        return std::fprintf(stderr, "usage: %s PROGRAM [QtTest options]\n", argv[0]), 2;
    g_program = QString::fromLocal8Bit(argv[1]);
    argv[1] = argv[0];
    QProcess server;
    if ((g_display = startXServer(server)).isEmpty())
        return std::fprintf(stderr, "FAIL: the X server (Xvfb) did not start\n"), 1;
    g_serverPid = server.processId();
    qputenv("DISPLAY", g_display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    --argc;
    Application app(argc, ++argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
