#include "services/Notifications.h"

#include "services/ActivationToken.h"
#include "services/SessionBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {

const QString kService = u"org.freedesktop.Notifications"_s;
const QString kPath = u"/org/freedesktop/Notifications"_s;
const QString kDefaultAction = u"default"_s;
const QString kLaterAction = u"later"_s;

// The "image-data" hint: width, height, row stride, alpha, bits per sample, channels, bytes.
struct ImageData {
    QImage image;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ImageData &data)
{
    const QImage rgba = data.image.convertToFormat(QImage::Format_RGBA8888);
    argument.beginStructure();
    argument << rgba.width() << rgba.height() << int(rgba.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char *>(rgba.constBits()),
                           qsizetype(rgba.sizeInBytes()));
    argument.endStructure();
    return argument;
}

// Only ever sent; never read back.
const QDBusArgument &operator>>(const QDBusArgument &argument, ImageData &)
{
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(ImageData)

namespace services {

DBusNotifications::DBusNotifications(SessionBus &bus, QString appName, QString desktopEntry,
                                     QObject *parent)
    : Notifications(parent), m_bus(bus), m_appName(std::move(appName)),
      m_desktopEntry(std::move(desktopEntry))
{
}

bool DBusNotifications::listen()
{
    if (m_listening)
        return true;
    if (!m_bus.isUsable())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    qDBusRegisterMetaType<ImageData>();
    // From any sender: for a named one Qt would ask the bus for its owner, and wait for the
    // answer on this thread. The id tells ours apart.
    bus.connect(QString(), kPath, kService, u"ActivationToken"_s, this,
                SLOT(serverActivationToken(uint, QString)));
    bus.connect(QString(), kPath, kService, u"ActionInvoked"_s, this,
                SLOT(serverActionInvoked(uint, QString)));
    // A server that starts again numbers its notifications from the start: the last id may then
    // name another program's notification, which a click must not take for ours, nor our next
    // notification replace.
    auto *server =
        new QDBusServiceWatcher(kService, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(server, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &DBusNotifications::forgetLast);
    m_listening = true;
    return true;
}

void DBusNotifications::notify(const Notification &notification)
{
    if (!listen())
        return;
    QStringList actions;
    if (!notification.defaultAction.isEmpty())
        actions << kDefaultAction << notification.defaultAction;
    if (!notification.laterAction.isEmpty())
        actions << kLaterAction << notification.laterAction;
    QVariantMap hints{{u"desktop-entry"_s, m_desktopEntry}};
    if (!notification.image.isNull())
        hints.insert(u"image-data"_s, QVariant::fromValue(ImageData{notification.image}));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, u"Notify"_s);
    call << m_appName << m_lastId << m_desktopEntry << notification.summary << notification.body
         << actions << hints << -1;
    auto *pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                // An error (no server) is silent: the window has come up all the same.
                const QDBusPendingReply<uint> reply = *finished;
                if (!reply.isError())
                    m_lastId = reply.value();
            });
}

void DBusNotifications::forgetLast()
{
    m_lastId = 0;
    m_token.clear();
}

// Sent just before the action it belongs to.
void DBusNotifications::serverActivationToken(uint id, const QString &token)
{
    if (id == m_lastId && isSendableActivationToken(token))
        m_token = token;
}

void DBusNotifications::serverActionInvoked(uint id, const QString &action)
{
    if (id == 0 || id != m_lastId)
        return;
    if (action == kDefaultAction)
        Q_EMIT defaultActionInvoked(std::exchange(m_token, QString()));
    else if (action == kLaterAction)
        Q_EMIT laterActionInvoked();
}

} // namespace services
