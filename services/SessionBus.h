#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>

#include <chrono>

class QSocketNotifier;
class QThread;

namespace services {

// Whether the session bus can be used without waiting on it. libdbus gives the handshake of a
// new connection no time limit, and Qt makes its connection on first use from whichever thread
// asks: a bus that accepts but never answers (a wedged or stopped daemon) would hold that thread,
// the user-interface thread included, for good. So the bus is first asked a question of our own,
// on a socket nobody waits on, and nothing of the program touches it before it has answered.
// A bus that answers and then stalls is watched for where Qt would wait on it from that thread.
class SessionBus final : public QObject {
    Q_OBJECT

public:
    // Sends the question at once; no application is needed yet.
    explicit SessionBus(QObject *parent = nullptr);
    ~SessionBus() override;
    SessionBus(const SessionBus &) = delete;
    SessionBus &operator=(const SessionBus &) = delete;

    // Makes Qt's connection to the bus on a thread of its own, as soon as the bus has answered
    // (at once where there is nothing to ask), so that the first window need not wait for it: a
    // bus that has to be started for the program takes several milliseconds. Needs the
    // application, and the thread must end before the application does.
    void connectInBackground();
    // Waits for that thread, and any watch, to end, until `deadline`; false if it is still
    // connecting then.
    bool finishConnecting(QDeadlineTimer deadline = QDeadlineTimer::Forever);

    // True once Qt's connection is made or has failed: from then on, asking Qt for the session
    // bus waits on nothing. Never true for a bus that has not answered.
    bool isUsable() const { return m_usable; }

    // Runs the event loop until the bus answers, at most `limit`. If it has not answered by
    // then, the parts of Qt that would reach the bus on their own as the first windows are made
    // (the screen-reader bridge, the menu bar's look for a global menu) do without it for this
    // run. A later answer still leads to usable(). If it has, the first windows are made under
    // guardUntilIdle(), with `limit` as its limit from then on.
    void awaitBeforeWindows(std::chrono::milliseconds limit);

    // For what makes Qt wait on the bus from this thread, on its connection (which has no time
    // limit) or on a call (25 s): until the event loop next turns, a thread of its own watches
    // the bus. If Qt's connection is not made within the limit, or the bus leaves a question of
    // ours unanswered for the limit while this thread is still away, the bus is cut off: Qt
    // finds it gone at once and goes on without it for this run. Needs the application.
    void guardUntilIdle();

    // The address whose bus is asked, as libdbus would choose it; empty when there is none that
    // can be asked. Public for the tests.
    static QByteArray socketPathFor(const QByteArray &busAddress, const QByteArray &runtimeFolder);

Q_SIGNALS:
    // Qt's connection is made, or has failed.
    void usable();

private:
    void listen();
    void answered();
    void startConnecting();
    void connectionMade();
    void watch();
    void stopWatching();
    bool answersWithin(std::chrono::milliseconds limit) const;
    void cutOff() const;

    QByteArray m_path;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    bool m_answered = false;
    bool m_connectWhenAnswered = false;
    QThread *m_connector = nullptr;
    bool m_usable = false;

    std::chrono::milliseconds m_limit{1000};
    QThread *m_watch = nullptr;
    // Shared between the connecting thread, the watch and the user-interface thread.
    QMutex m_watchMutex;
    QWaitCondition m_watchWake;
    bool m_connected = false;
    bool m_idle = false;
};

} // namespace services
