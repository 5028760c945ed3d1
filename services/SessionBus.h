#pragma once

#include <QObject>

#include <chrono>

class QSocketNotifier;

namespace services {

// Whether the session bus can be used without waiting on it. libdbus gives the handshake of a
// new connection no time limit, and Qt makes its connection on first use from whichever thread
// asks: a bus that accepts but never answers (a wedged or stopped daemon) would hold that thread,
// the user-interface thread included, for good. So the bus is first asked a question of our own,
// on a socket nobody waits on, and nothing of the program touches it before it has answered.
class SessionBus final : public QObject {
    Q_OBJECT

public:
    // Sends the question at once; no application is needed yet.
    explicit SessionBus(QObject *parent = nullptr);
    ~SessionBus() override;
    SessionBus(const SessionBus &) = delete;
    SessionBus &operator=(const SessionBus &) = delete;

    // True once the bus has answered, and when there is no bus to wait for (none set, none
    // listening, or one of a kind we cannot ask, which Qt then reaches as it always did).
    bool isUsable() const { return m_usable; }

    // Runs the event loop until the bus answers, at most `limit`. If it has not answered by
    // then, the parts of Qt that would reach the bus on their own as the first windows are made
    // (the screen-reader bridge, the menu bar's look for a global menu) do without it for this
    // run. Later answers still reach usable().
    void awaitBeforeWindows(std::chrono::milliseconds limit);

    // The address whose bus is asked, as libdbus would choose it; empty when there is none that
    // can be asked. Public for the tests.
    static QByteArray socketPathFor(const QByteArray &busAddress, const QByteArray &runtimeFolder);

Q_SIGNALS:
    // The bus answered after all.
    void usable();

private:
    void listen();
    void answered();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    bool m_usable = false;
};

} // namespace services
