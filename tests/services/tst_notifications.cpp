// The notifications, the desktops' "busy" and the session bus's first question, against a bus
// daemon of their own.

#include "services/DesktopAdapters.h"
#include "services/Notifications.h"
#include "services/SessionBus.h"

#include "FakeDesktopState.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
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
// A daemon of a desktop on a connection of its own, owning `service` with one object at `path`.
class Daemon : public QObject {
public:
    Daemon(const QString &address, const QString &service, const QString &path)
        : m_connection(QDBusConnection::connectToBus(address, service)), m_path(path)
    {
        m_connection.registerObject(
            path, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
        m_connection.registerService(service);
    }
    ~Daemon() override { QDBusConnection::disconnectFromBus(m_connection.name()); }

    // Another object of the same daemon.
    void add(const QString &path, QObject *object)
    {
        m_connection.registerObject(path, object, QDBusConnection::ExportAllSlots);
    }

    void emitSignal(const QString &interface, const QString &name, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(m_path, interface, name);
        signal.setArguments(arguments);
        m_connection.send(signal);
    }
    void emitSignal(const QString &name, const QVariantList &arguments)
    {
        emitSignal(kService, name, arguments);
    }

private:
    QDBusConnection m_connection;
    QString m_path;
};

// A notification server that numbers its notifications from 1, as each new server does, and
// inhibits them as KDE Plasma's does when it says so among its capabilities.
class NotificationServer final : public Daemon {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    Q_PROPERTY(bool Inhibited MEMBER inhibited)

public:
    NotificationServer(const QString &address, const QString &name)
        : Daemon(address, kService, kPath)
    {
        setObjectName(name);
    }

    QList<uint> replacedIds;
    QList<QStringList> actions;
    QStringList capabilities{u"actions"_s, u"body"_s};
    bool inhibited = false;

public Q_SLOTS:
    uint Notify(const QString &, uint replacesId, const QString &, const QString &, const QString &,
                const QStringList &sentActions, const QVariantMap &, int)
    {
        replacedIds.append(replacesId);
        actions.append(sentActions);
        return uint(replacedIds.size());
    }
    QStringList GetCapabilities() { return capabilities; }
};

// xfconfd, with the one property that matters here.
class Xfconf final : public Daemon {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.xfce.Xfconf")

public:
    explicit Xfconf(const QString &address)
        : Daemon(address, u"org.xfce.Xfconf"_s, u"/org/xfce/Xfconf"_s)
    {
    }

    QMap<QString, bool> values;

public Q_SLOTS:
    QDBusVariant GetProperty(const QString &channel, const QString &property)
    {
        return QDBusVariant(values.value(channel + property));
    }
};

// mako's modes, on an object of its notification server.
class Mako final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "fr.emersion.Mako")

public:
    explicit Mako(Daemon &server) { server.add(u"/fr/emersion/Mako"_s, this); }

    QStringList modes{u"default"_s};

public Q_SLOTS:
    QStringList ListModes() { return modes; }
};

class TestNotifications : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void busAddresses_data();
    void busAddresses();
    void aRestartedServerIsNotTakenForTheOldOne();
    void desktopsSayWhetherTheUserIsBusy();
    void aSilentDesktopCountsAsFree();
    void swayTreeFullScreen();

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
    QSignalSpy later(&notifications, &services::Notifications::laterActionInvoked);
    notifications.notify({u"Six of Hearts"_s, u"Morning"_s, {}, u"Show"_s, u"Later"_s});
    QTRY_COMPARE(first->replacedIds.size(), 1);
    QCOMPARE(first->actions.constFirst(),
             (QStringList{u"default"_s, u"Show"_s, u"later"_s, u"Later"_s}));
    first->emitSignal(u"ActionInvoked"_s, {1u, u"later"_s});
    QTRY_COMPARE(later.count(), 1);
    QCOMPARE(chosen.count(), 0);
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
    notifications.notify({u"Seven of Hearts"_s, u"Noon"_s, {}, u"Show"_s, {}});
    QTRY_COMPARE(second.replacedIds.size(), 1);
    // Ours is a new one, replacing nothing of the other program's.
    QCOMPARE(second.replacedIds.constFirst(), 0u);
    // Sent after the other program's action, heard after it: only ours brings the window.
    second.emitSignal(u"ActivationToken"_s, {1u, u"second token"_s});
    second.emitSignal(u"ActionInvoked"_s, {1u, u"default"_s});
    QTRY_COMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().constFirst().toString(), u"second token"_s);
}

namespace {

std::optional<services::Busy> answerOf(services::DesktopState &state)
{
    std::optional<services::Busy> answer;
    state.ask([&answer](services::Busy busy) { answer = busy; });
    (void)QTest::qWaitFor([&answer] { return answer.has_value(); }, 5000);
    return answer;
}

} // namespace

void TestNotifications::desktopsSayWhetherTheUserIsBusy()
{
    using services::Busy;
    services::SessionBus bus;
    bus.connectInBackground();
    bus.awaitBeforeWindows(std::chrono::seconds(10));
    QTRY_VERIFY(bus.isUsable());
    services::NotificationInhibition kde(bus);
    services::XfceDoNotDisturb xfce(bus);
    services::MakoDoNotDisturb mako(bus);
    services::GnomePresence presence(bus);
    // None of their daemons runs: free, at once.
    for (services::DesktopState *state :
         std::initializer_list<services::DesktopState *>{&kde, &xfce, &mako, &presence})
        QCOMPARE(answerOf(*state), Busy::No);

    // A notification server that inhibits only counts where it says it can.
    NotificationServer server(m_address, u"kde"_s);
    server.inhibited = true;
    QCOMPARE(answerOf(kde), Busy::No);
    server.capabilities.append(u"inhibitions"_s);
    QCOMPARE(answerOf(kde), Busy::DoNotDisturb);
    QSignalSpy kdeChanged(&kde, &services::DesktopState::mayHaveChanged);
    kde.startWatching();
    QDBusConnection::sessionBus().interface()->serviceOwner(kService); // the match is in place
    server.emitSignal(u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s,
                      {kService, QVariantMap{{u"Inhibited"_s, false}}, QStringList()});
    QTRY_COMPARE(kdeChanged.count(), 1);
    kde.stopWatching();

    Xfconf xfconf(m_address);
    QCOMPARE(answerOf(xfce), Busy::No);
    xfconf.values.insert(u"xfce4-notifyd/do-not-disturb"_s, true);
    QCOMPARE(answerOf(xfce), Busy::DoNotDisturb);
    QSignalSpy xfceChanged(&xfce, &services::DesktopState::mayHaveChanged);
    xfce.startWatching();
    QDBusConnection::sessionBus().interface()->serviceOwner(u"org.xfce.Xfconf"_s);
    const auto propertyChanged = [&xfconf](const QString &channel, const QString &property) {
        xfconf.emitSignal(u"org.xfce.Xfconf"_s, u"PropertyChanged"_s,
                          {channel, property, QVariant::fromValue(QDBusVariant(false))});
    };
    propertyChanged(u"xfwm4"_s, u"/general/theme"_s);
    propertyChanged(u"xfce4-notifyd"_s, u"/do-not-disturb"_s);
    QTRY_COMPARE(xfceChanged.count(), 1);
    QTest::qWait(100);
    QCOMPARE(xfceChanged.count(), 1); // the other channel's change was no reason to look
    xfce.stopWatching();

    Mako makoDaemon(server);
    QCOMPARE(answerOf(mako), Busy::No);
    makoDaemon.modes.append(u"do-not-disturb"_s);
    QCOMPARE(answerOf(mako), Busy::DoNotDisturb);
}

void TestNotifications::aSilentDesktopCountsAsFree()
{
    using services::Busy;
    auto silent = std::make_unique<FakeDesktopState>();
    silent->holdAnswers = true;
    auto doNotDisturb = std::make_unique<FakeDesktopState>();
    doNotDisturb->busy = Busy::DoNotDisturb;
    auto fullScreen = std::make_unique<FakeDesktopState>();
    fullScreen->busy = Busy::FullScreen;
    FakeDesktopState *silentPart = silent.get();
    FakeDesktopState *fullScreenPart = fullScreen.get();
    std::vector<std::unique_ptr<services::DesktopState>> parts;
    parts.push_back(std::move(silent));
    parts.push_back(std::move(doNotDisturb));
    parts.push_back(std::move(fullScreen));
    services::CombinedDesktopState combined(std::move(parts));

    // The busiest answer counts; a part that never answers does not hold the answer back.
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(answerOf(combined), Busy::FullScreen);
    QVERIFY(waited.elapsed() >= services::CombinedDesktopState::kAnswerWithinMs - 50);
    // Its late answer changes nothing.
    int answers = 0;
    combined.ask([&answers](Busy) { ++answers; });
    silentPart->answerPending();
    QCOMPARE(answers, 1);
    QTest::qWait(services::CombinedDesktopState::kAnswerWithinMs + 100);
    QCOMPARE(answers, 1);

    // Watching reaches every part, and any of them may report a change.
    QSignalSpy changed(&combined, &services::DesktopState::mayHaveChanged);
    combined.startWatching();
    QVERIFY(silentPart->watching && fullScreenPart->watching);
    fullScreenPart->become(Busy::No);
    QCOMPARE(changed.count(), 1);
    combined.stopWatching();
    QVERIFY(!silentPart->watching && !fullScreenPart->watching);
}

void TestNotifications::swayTreeFullScreen()
{
    // A root, an output, a workspace and its windows, as GET_TREE gives them: sway's workspaces
    // say 1 for their own full-screen mode.
    const auto tree = [](int containerMode, int windowMode, bool floatingFocused) {
        return QStringLiteral(R"({"type":"root","fullscreen_mode":0,"nodes":[
            {"type":"output","nodes":[{"type":"workspace","fullscreen_mode":1,"nodes":[
                {"type":"con","fullscreen_mode":%1,"nodes":[
                    {"type":"con","focused":%3,"fullscreen_mode":%2,"nodes":[]}]}],
              "floating_nodes":[{"type":"floating_con","focused":%4,"fullscreen_mode":0}]}]}]})")
            .arg(containerMode)
            .arg(windowMode)
            .arg(floatingFocused ? "false"_L1 : "true"_L1, floatingFocused ? "true"_L1 : "false"_L1)
            .toUtf8();
    };
    QVERIFY(!services::SwayFullScreen::focusedIsFullScreen(tree(0, 0, false)));
    QVERIFY(services::SwayFullScreen::focusedIsFullScreen(tree(0, 1, false)));
    QVERIFY(services::SwayFullScreen::focusedIsFullScreen(tree(2, 0, false))); // its container
    QVERIFY(!services::SwayFullScreen::focusedIsFullScreen(tree(1, 0, true)));
    QVERIFY(!services::SwayFullScreen::focusedIsFullScreen("not json"));
    // An empty workspace with the focus.
    QVERIFY(!services::SwayFullScreen::focusedIsFullScreen(
        R"({"type":"root","nodes":[{"type":"output","nodes":[
            {"type":"workspace","focused":true,"fullscreen_mode":1,"nodes":[]}]}]})"));
}

QTEST_GUILESS_MAIN(TestNotifications)
#include "tst_notifications.moc"
