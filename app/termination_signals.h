// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

class QSocketNotifier;
class QTimer;

namespace gp {

// SIGTERM, SIGHUP and SIGINT delivered as a Qt signal on the event loop, through a socket pair
// (or a pipe) the handler writes to: a handler itself may do nothing but async-signal-safe calls.
// One object at a time; it restores the previous handlers when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void received(int signalNumber);

private:
    void readPending();

    int m_readFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_poll = nullptr;
};

// The process's end made sure of when the event loop cannot get to a signal or the end is held up
// (a frozen display blocks every call that waits for it). From the first termination signal on,
// end is called on a thread of its own once the grace has passed or at a second signal, unless
// this goes first. end must end the process.
class TerminationDeadline
{
public:
    TerminationDeadline(std::chrono::milliseconds grace, std::function<void()> end);
    ~TerminationDeadline();
    TerminationDeadline(const TerminationDeadline&) = delete;
    TerminationDeadline& operator=(const TerminationDeadline&) = delete;

private:
    std::function<void()> m_end;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
};

// A write beyond the file size limit (ulimit -f) then fails with EFBIG, which the save reports,
// instead of killing the program with SIGXFSZ.
void ignoreFileSizeSignal();

} // namespace gp
