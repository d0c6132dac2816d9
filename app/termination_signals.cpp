// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/termination_signals.h"

#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <semaphore.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace gp {

namespace {

constexpr std::array<int, 3> kHandledSignals = {SIGTERM, SIGHUP, SIGINT};

int g_writeFd = -1;
// Where no descriptor could be had, the handler leaves the signal here for a timer to find.
volatile std::sig_atomic_t g_pending = 0;
std::array<struct sigaction, kHandledSignals.size()> g_previous{};
std::array<bool, kHandledSignals.size()> g_installed{};
// Counts the signals for the deadline's thread; posting is safe in a handler.
sem_t g_arrivals;
const bool g_arrivalsReady = ::sem_init(&g_arrivals, 0, 0) == 0;

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    if (g_arrivalsReady)
        ::sem_post(&g_arrivals);
    const char byte = char(signalNumber);
    // Non-blocking: with the pipe full, a signal is already pending anyway.
    if (g_writeFd < 0 || ::write(g_writeFd, &byte, 1) != 1)
        g_pending = signalNumber;
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    Q_ASSERT(g_writeFd < 0);
    int fds[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds) == 0 ||
        ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_readFd = fds[0];
        g_writeFd = fds[1];
        m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    } else {
        // Out of descriptors: a look twice a second still ends the program with the record saved,
        // where the default action would kill it without.
        qWarning("no pipe for the termination signals (%s); looking for them by timer",
                 std::strerror(errno));
        m_poll = new QTimer(this);
        connect(m_poll, &QTimer::timeout, this, &TerminationSignals::readPending);
        m_poll->start(500);
    }

    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocking call the signal interrupts returns, rather than holding the
    // event loop away from the signal.
    action.sa_flags = 0;
    for (std::size_t i = 0; i < kHandledSignals.size(); ++i) {
        g_installed[i] = ::sigaction(kHandledSignals[i], &action, &g_previous[i]) == 0;
        if (!g_installed[i])
            qWarning("signal %d cannot be caught (%s); it ends the program without saving",
                     kHandledSignals[i], std::strerror(errno));
    }
}

TerminationSignals::~TerminationSignals()
{
    for (std::size_t i = 0; i < kHandledSignals.size(); ++i)
        if (g_installed[i])
            ::sigaction(kHandledSignals[i], &g_previous[i], nullptr);
    g_installed = {};
    delete m_notifier;
    // Unhooked before it is closed: a late signal finds no descriptor rather than a stale one.
    const int writeFd = std::exchange(g_writeFd, -1);
    if (m_readFd >= 0) {
        ::close(writeFd);
        ::close(m_readFd);
    }
    g_pending = 0;
}

void TerminationSignals::readPending()
{
    if (m_readFd >= 0) {
        char bytes[16];
        ssize_t count = 0;
        while ((count = ::read(m_readFd, bytes, sizeof bytes)) > 0) {
            for (ssize_t i = 0; i < count; ++i)
                emit received(int(bytes[i]));
        }
    }
    if (const int signalNumber = g_pending) {
        g_pending = 0;
        emit received(signalNumber);
    }
}

TerminationDeadline::TerminationDeadline(std::chrono::milliseconds grace, std::function<void()> end)
    : m_end(std::move(end))
{
    if (!g_arrivalsReady)
        return;
    // Signals handled before this was there have had their ends.
    while (::sem_trywait(&g_arrivals) == 0)
        ;
    m_thread = std::thread([this, grace] {
        while (::sem_wait(&g_arrivals) != 0 && errno == EINTR)
            ;
        if (m_stopping)
            return;
        timespec until{};
        ::clock_gettime(CLOCK_REALTIME, &until);
        const auto ns = std::chrono::nanoseconds(grace).count() + until.tv_nsec;
        until.tv_sec += time_t(ns / 1000000000);
        until.tv_nsec = long(ns % 1000000000);
        while (::sem_timedwait(&g_arrivals, &until) != 0 && errno == EINTR)
            ;
        if (!m_stopping)
            m_end();
    });
}

TerminationDeadline::~TerminationDeadline()
{
    if (!m_thread.joinable())
        return;
    m_stopping = true;
    ::sem_post(&g_arrivals);
    ::sem_post(&g_arrivals);
    m_thread.join();
    while (::sem_trywait(&g_arrivals) == 0)
        ;
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace gp
