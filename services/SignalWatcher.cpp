#include "services/SignalWatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace services {

namespace {

int g_signalSockets[2] = {-1, -1};
// Where the handler passes a signal on; below zero, it ends the process itself.
volatile sig_atomic_t g_forwardTo = -1;

extern "C" void onEndingSignal(int number)
{
    // Only async-signal-safe calls here.
    const int fd = g_forwardTo;
    if (fd < 0)
        ::_exit(0);
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

} // namespace

void endAtOnceOnEndingSignals()
{
    struct sigaction action = {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigset_t ending;
    sigemptyset(&ending);
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(number, &action, nullptr);
        sigaddset(&ending, number);
    }
    // A launcher may have blocked them for us; a log-out must still be heard.
    ::sigprocmask(SIG_UNBLOCK, &ending, nullptr);
}

SignalWatcher::SignalWatcher(QObject *parent) : QObject(parent)
{
    endAtOnceOnEndingSignals();
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signalSockets[1], &byte, 1);
        Q_EMIT terminationRequested();
    });
    g_forwardTo = g_signalSockets[0];
}

SignalWatcher::~SignalWatcher()
{
    g_forwardTo = -1;
    for (int &fd : g_signalSockets) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace services
