// The notifications and the session bus's first question, against a bus daemon of their own.

#include "services/Notifications.h"
#include "services/SessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kService = u"org.freedesktop.Notifications"_s;
const QString kPath = u"/org/freedesktop/Notifications"_s;

} // namespace

// A notification server that numbers its notifications from 1, as each new server does.
class NotificationServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    NotificationServer(const QString &address, const QString &name)
        : m_connection(QDBusConnection::connectToBus(address, name))
    {
        m_connection.registerObject(kPath, this, QDBusConnection::ExportAllSlots);
        m_connection.registerService(kService);
    }
    ~NotificationServer() override { QDBusConnection::disconnectFromBus(m_connection.name()); }

    void emitSignal(const QString &name, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, name);
        signal.setArguments(arguments);
        m_connection.send(signal);
    }

    QList<uint> replacedIds;

public Q_SLOTS:
    uint Notify(const QString &, uint replacesId, const QString &, const QString &, const QString &,
                const QStringList &, const QVariantMap &, int)
    {
        replacedIds.append(replacesId);
        return uint(replacedIds.size());
    }

private:
    QDBusConnection m_connection;
};

class TestNotifications : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void busAddresses_data();
    void busAddresses();
    void aRestartedServerIsNotTakenForTheOldOne();

private:
    QProcess m_daemon;
    QString m_address;
};

void TestNotifications::initTestCase()
{
    m_daemon.start(u"dbus-daemon"_s,
                   {u"--session"_s, u"--nofork"_s, u"--nopidfile"_s, u"--print-address=1"_s});
    QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon is needed");
    QVERIFY(m_daemon.waitForReadyRead(10000));
    m_address = QString::fromLocal8Bit(m_daemon.readLine().trimmed());
    // Read by libdbus at the first use of the session bus, which is still to come.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
}

void TestNotifications::cleanupTestCase()
{
    m_daemon.kill();
    m_daemon.waitForFinished();
}

void TestNotifications::busAddresses_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("socket");
    QTest::newRow("path") << "unix:path=/run/user/1000/bus"_ba
                          << "/run/user/1000/bus"_ba;
    QTest::newRow("escaped, with a guid") << "unix:path=/tmp/a%20b%2cc,guid=0123"_ba
                                          << "/tmp/a b,c"_ba;
    QTest::newRow("abstract") << "unix:abstract=/tmp/dbus-x,guid=1"_ba
                              << "\0/tmp/dbus-x"_ba;
    QTest::newRow("the first of several") << "unix:path=/a;unix:path=/b"_ba
                                          << "/a"_ba;
    // What cannot be asked is left to Qt, as before.
    QTest::newRow("tcp first") << "tcp:host=localhost,port=1;unix:path=/b"_ba << QByteArray();
    QTest::newRow("listening only") << "unix:tmpdir=/tmp"_ba << QByteArray();
}

void TestNotifications::busAddresses()
{
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, socket);
    QCOMPARE(services::SessionBus::socketPathFor(address, "/run/user/1000"), socket);
}

void TestNotifications::aRestartedServerIsNotTakenForTheOldOne()
{
    services::SessionBus bus;
    bus.connectInBackground();
    bus.awaitBeforeWindows(std::chrono::seconds(10));
    QTRY_VERIFY(bus.isUsable());
    QVERIFY(QDBusConnection::sessionBus().isConnected());
    services::DBusNotifications notifications(bus, u"Tarvelle"_s, u"com.quellmoor.Tarvelle"_s);
    QSignalSpy chosen(&notifications, &services::Notifications::defaultActionInvoked);
    QDBusServiceWatcher owner(kService, QDBusConnection::sessionBus(),
                              QDBusServiceWatcher::WatchForOwnerChange);
    QSignalSpy ownerChanged(&owner, &QDBusServiceWatcher::serviceOwnerChanged);

    auto first = std::make_unique<NotificationServer>(m_address, u"first"_s);
    QTRY_COMPARE(ownerChanged.count(), 1);
    notifications.notify({u"Six of Hearts"_s, u"Morning"_s, {}, u"Show"_s});
    QTRY_COMPARE(first->replacedIds.size(), 1);
    // The action of our notification, with the token sent just before it.
    first->emitSignal(u"ActivationToken"_s, {1u, u"token"_s});
    first->emitSignal(u"ActionInvoked"_s, {1u, u"default"_s});
    QTRY_COMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().constFirst().toString(), u"token"_s);

    // The server starts again and numbers from 1: its first notification is another program's.
    first.reset();
    NotificationServer second(m_address, u"second"_s);
    QTRY_COMPARE(ownerChanged.count(), 3);
    second.emitSignal(u"ActionInvoked"_s, {1u, u"default"_s});
    notifications.notify({u"Seven of Hearts"_s, u"Noon"_s, {}, u"Show"_s});
    QTRY_COMPARE(second.replacedIds.size(), 1);
    // Ours is a new one, replacing nothing of the other program's.
    QCOMPARE(second.replacedIds.constFirst(), 0u);
    // Sent after the other program's action, heard after it: only ours brings the window.
    second.emitSignal(u"ActivationToken"_s, {1u, u"second token"_s});
    second.emitSignal(u"ActionInvoked"_s, {1u, u"default"_s});
    QTRY_COMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().constFirst().toString(), u"second token"_s);
}

QTEST_GUILESS_MAIN(TestNotifications)
#include "tst_notifications.moc"
