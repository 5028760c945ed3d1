#include "services/TrayIcon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QSystemTrayIcon>

using namespace Qt::StringLiterals;

namespace services {

namespace {

const QString kWatcherService = u"org.kde.StatusNotifierWatcher"_s;

// The choice Qt makes when it creates the icon: a StatusNotifierItem wherever there is no XEmbed
// to fall back on, and on X11 only once a host has registered with the watcher.
bool qtChoosesStatusNotifierItem()
{
    if (QGuiApplication::platformName() != "xcb"_L1)
        return true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService))
        return false;
    QDBusMessage get =
        QDBusMessage::createMethodCall(kWatcherService, u"/StatusNotifierWatcher"_s,
                                       u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << kWatcherService << u"IsStatusNotifierHostRegistered"_s;
    // A watcher that hangs must not hold the window up for long.
    const QDBusMessage reply = bus.call(get, QDBus::Block, 2000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
           && qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
}

} // namespace

SystemTrayIcon::SystemTrayIcon(QObject *parent) : TrayIcon(parent) {}

// On X11 the platform announces a tray host coming or going (its window appearing or being
// destroyed) through a signal of its native interface: heard, never polled for.
void SystemTrayIcon::watchAvailability()
{
    // The interface's class is not public, but it is a QObject and its signal a meta-method.
    auto *native = reinterpret_cast<QObject *>(QGuiApplication::platformNativeInterface());
    if (!native)
        return;
    const QMetaObject *meta = native->metaObject();
    const int changed = meta->indexOfSignal("systemTrayWindowChanged(QScreen*)");
    if (changed < 0)
        return;
    connect(native, meta->method(changed), this,
            QMetaMethod::fromSignal(&TrayIcon::availabilityChanged));
}

// A StatusNotifierItem host goes and comes with the watcher it registers with.
void SystemTrayIcon::watchStatusNotifierWatcher()
{
    auto *watcher = new QDBusServiceWatcher(kWatcherService, QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &TrayIcon::availabilityChanged);
}

// Made on the first add: most starts never go to the tray, and making one costs start-up time.
QSystemTrayIcon *SystemTrayIcon::icon()
{
    if (!m_icon) {
        m_statusNotifierItem = qtChoosesStatusNotifierItem();
        m_icon = new QSystemTrayIcon(this);
        if (m_statusNotifierItem)
            watchStatusNotifierWatcher();
        else
            watchAvailability();
        m_icon->setContextMenu(m_menu);
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    // Under XEmbed a single click does nothing; the context menu is Qt's to
                    // show either way.
                    const QSystemTrayIcon::ActivationReason show =
                        m_statusNotifierItem ? QSystemTrayIcon::Trigger
                                             : QSystemTrayIcon::DoubleClick;
                    if (reason == show)
                        Q_EMIT showRequested();
                });
    }
    return m_icon;
}

SystemTrayIcon::~SystemTrayIcon() = default;

void SystemTrayIcon::add(const QIcon &icon, const QString &toolTip)
{
    QSystemTrayIcon *tray = this->icon();
    tray->setIcon(icon);
    tray->setToolTip(toolTip);
    tray->show();
}

void SystemTrayIcon::remove()
{
    if (m_icon)
        m_icon->hide();
}

bool SystemTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::setMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_icon)
        m_icon->setContextMenu(menu);
}

} // namespace services
