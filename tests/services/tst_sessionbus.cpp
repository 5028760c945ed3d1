// The session bus's watch, against a bus of its own that answers the first question and then
// stalls, at an abstract address as older daemons use.

#include "services/SessionBus.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTest>

#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;

class TestSessionBus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aBusThatStallsAfterItsFirstAnswerHoldsNothingForLong();
};

void TestSessionBus::aBusThatStallsAfterItsFirstAnswerHoldsNothingForLong()
{
    const QByteArray name = "tarvelle-stalling-bus-" + QByteArray::number(::getpid());
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    QVERIFY(::bind(listener, reinterpret_cast<const sockaddr *>(&address), length) == 0);
    QVERIFY(::listen(listener, 16) == 0);
    // Only the first client is taken in, and told that its question was heard; the rest wait.
    QSocketNotifier incoming(listener, QSocketNotifier::Read);
    int first = -1;
    connect(&incoming, &QSocketNotifier::activated, this, [&] {
        incoming.setEnabled(false);
        first = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        ::write(first, "REJECTED EXTERNAL\r\n", 19);
    });
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:abstract=" + name);

    services::SessionBus bus;
    bus.connectInBackground();
    QElapsedTimer held;
    held.start();
    bus.awaitBeforeWindows(300ms);
    // As the screen-reader bridge asks while the first window is made: without the watch, this
    // would wait as long as the bus does.
    QVERIFY(!QDBusConnection::sessionBus().isConnected());
    QCOMPARE_LT(held.elapsed(), 3000);
    QTRY_VERIFY(bus.isUsable());
    ::close(first);
    ::close(listener);
}

QTEST_GUILESS_MAIN(TestSessionBus)
#include "tst_sessionbus.moc"
