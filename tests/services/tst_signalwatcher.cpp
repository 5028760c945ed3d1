#include "services/SignalWatcher.h"

#include <QTest>

#include <csignal>

class TestSignalWatcher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachEndingSignalArrivesOnTheEventLoop();
};

void TestSignalWatcher::eachEndingSignalArrivesOnTheEventLoop()
{
    services::SignalWatcher watcher;
    int requests = 0;
    connect(&watcher, &services::SignalWatcher::terminationRequested, this,
            [&requests] { ++requests; });
    int expected = 0;
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        QCOMPARE(::raise(number), 0); // the process survives: the handler only records it
        ++expected;
        QTRY_COMPARE(requests, expected);
    }
}

QTEST_GUILESS_MAIN(TestSignalWatcher)
#include "tst_signalwatcher.moc"
