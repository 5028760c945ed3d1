#include "services/TrayIcon.h"

#include "services/SessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QSystemTrayIcon>

#include <climits>

using namespace Qt::StringLiterals;

namespace services {

namespace {

const QString kWatcherService = u"org.kde.StatusNotifierWatcher"_s;
const QString kWatcherPath = u"/StatusNotifierWatcher"_s;

bool onX11()
{
    return QGuiApplication::platformName() == "xcb"_L1;
}

} // namespace

SystemTrayIcon::SystemTrayIcon(SessionBus &bus, QObject *parent) : TrayIcon(parent), m_bus(bus)
{
    connect(&m_bus, &SessionBus::usable, this, &SystemTrayIcon::followHost);
    followHost();
}

SystemTrayIcon::~SystemTrayIcon() = default;

// Followed from the start, so that the answer is in before the program first goes to the tray.
void SystemTrayIcon::followHost()
{
    if (m_following || !m_bus.isUsable())
        return;
    m_following = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        setHost(Host::Absent);
        return;
    }
    // A panel restarting takes its watcher with it; the new one's host registers a moment after
    // the watcher's name is back.
    auto *watcher = new QDBusServiceWatcher(kWatcherService, bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                if (newOwner.isEmpty()) {
                    ++m_question;
                    setHost(Host::Absent);
                } else {
                    askForHost();
                }
            });
    // From any sender: for a named one Qt would ask the bus for its owner, and wait for the
    // answer on this thread.
    bus.connect(QString(), kWatcherPath, kWatcherService, u"StatusNotifierHostRegistered"_s, this,
                SLOT(hostRegistered()));
    bus.connect(QString(), kWatcherPath, kWatcherService, u"StatusNotifierHostUnregistered"_s, this,
                SLOT(hostUnregistered()));
    askForHost();
}

void SystemTrayIcon::askForHost()
{
    const quint64 question = ++m_question;
    setHost(Host::Unknown);
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcherService, kWatcherPath, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << kWatcherService << u"IsStatusNotifierHostRegistered"_s;
    // No time limit: a watcher that hangs answers when it comes back, or the bus answers for
    // it when it goes; until then there is no tray to go to, and nothing waits.
    auto *pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get, INT_MAX), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, question](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                if (question != m_question)
                    return;
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                // No watcher at all is an answer too.
                setHost(!reply.isError() && reply.value().variant().toBool() ? Host::Registered
                                                                             : Host::Absent);
            });
}

void SystemTrayIcon::hostRegistered()
{
    ++m_question;
    setHost(Host::Registered);
}

void SystemTrayIcon::hostUnregistered()
{
    askForHost();
}

void SystemTrayIcon::setHost(Host host)
{
    if (host == m_host)
        return;
    m_host = host;
    if (m_wanted && !m_icon && canMakeIcon())
        makeIcon();
    // A question still open changes nothing yet: a window in the tray stays there until the
    // watcher says its host is gone.
    if (host != Host::Unknown)
        Q_EMIT availabilityChanged();
}

// Qt looks for a host itself, by calls that wait, the first time it is asked about the tray or
// makes the icon; asked just after the watcher has answered, they are answered at once. Where a
// host is registered it then makes a StatusNotifierItem, on X11 without one an XEmbed icon, and
// it never looks again: on Wayland an icon made before a host is there would never be shown.
bool SystemTrayIcon::canMakeIcon() const
{
    if (!m_bus.isUsable())
        return false;
    if (m_qtChoice)
        return !*m_qtChoice; // XEmbed: nothing on the bus any more
    return m_host == Host::Registered || (m_host == Host::Absent && onX11());
}

void SystemTrayIcon::makeIcon()
{
    m_statusNotifierItem = m_qtChoice.value_or(m_host == Host::Registered || !onX11());
    m_qtChoice = m_statusNotifierItem;
    // Qt registers a StatusNotifierItem by calls that wait.
    m_bus.guardUntilIdle();
    m_icon = new QSystemTrayIcon(this);
    if (!m_statusNotifierItem)
        watchAvailability();
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Under XEmbed a single click does nothing; the context menu is Qt's to show
                // either way.
                const QSystemTrayIcon::ActivationReason show =
                    m_statusNotifierItem ? QSystemTrayIcon::Trigger : QSystemTrayIcon::DoubleClick;
                if (reason == show)
                    Q_EMIT showRequested();
            });
    m_icon->setIcon(m_wantedIcon);
    m_icon->setToolTip(m_toolTip);
    m_icon->show();
}

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

// Made on the first add that finds a host known: most starts never go to the tray.
void SystemTrayIcon::add(const QIcon &icon, const QString &toolTip)
{
    m_wanted = true;
    m_wantedIcon = icon;
    m_toolTip = toolTip;
    if (!m_icon) {
        if (canMakeIcon())
            makeIcon();
        return;
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(toolTip);
    m_icon->show();
}

void SystemTrayIcon::remove()
{
    m_wanted = false;
    if (m_icon)
        m_icon->hide();
}

bool SystemTrayIcon::isAvailable() const
{
    if (!m_bus.isUsable())
        return false;
    // Qt would open a new bus connection at each look at a StatusNotifierItem host.
    if (m_qtChoice.value_or(m_host != Host::Absent || !onX11()))
        return m_host == Host::Registered;
    // An XEmbed tray is a window on the X server; but Qt asks the bus first, at its first look
    // only, by calls that wait.
    if (!m_qtChoice)
        m_bus.guardUntilIdle();
    m_qtChoice = false;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::setMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_icon)
        m_icon->setContextMenu(menu);
}

} // namespace services
