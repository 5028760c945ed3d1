#include "services/DesktopAdapters.h"

#include "services/SessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

namespace services {

namespace {

// A desktop that has not replied by then counts as not busy.
constexpr int kReplyWithinMs = 500;

const QString kProperties = u"org.freedesktop.DBus.Properties"_s;
const QString kNotifications = u"org.freedesktop.Notifications"_s;
const QString kNotificationsPath = u"/org/freedesktop/Notifications"_s;
const QString kXfconf = u"org.xfce.Xfconf"_s;
const QString kXfconfPath = u"/org/xfce/Xfconf"_s;
const QString kSessionManager = u"org.gnome.SessionManager"_s;
const QString kPresencePath = u"/org/gnome/SessionManager/Presence"_s;
const QString kPresence = u"org.gnome.SessionManager.Presence"_s;

QVariant propertyValue(const QVariantList &reply)
{
    return reply.isEmpty() ? QVariant() : reply.constFirst().value<QDBusVariant>().variant();
}

Busy doNotDisturbIf(bool on)
{
    return on ? Busy::DoNotDisturb : Busy::No;
}

} // namespace

BusDesktopState::BusDesktopState(SessionBus &bus, QObject *parent)
    : DesktopState(parent), m_bus(bus)
{
}

bool BusDesktopState::busUsable() const
{
    return m_bus.isUsable() && QDBusConnection::sessionBus().isConnected();
}

void BusDesktopState::call(const QString &service, const QString &path, const QString &interface,
                           const QString &method, const QVariantList &arguments, Answer answer,
                           std::function<Busy(const QVariantList &)> read)
{
    if (!busUsable()) {
        answer(Busy::No);
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    // Asking must not start a daemon of another desktop.
    message.setAutoStartService(false);
    auto *pending = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, kReplyWithinMs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [answer = std::move(answer), read = std::move(read)](QDBusPendingCallWatcher *done) {
                done->deleteLater();
                const QDBusMessage reply = done->reply();
                answer(reply.type() == QDBusMessage::ReplyMessage ? read(reply.arguments())
                                                                  : Busy::No);
            });
}

void NotificationInhibition::ask(Answer answer)
{
    // Other servers answer the property with an error, or not at all.
    call(
        kNotifications, kNotificationsPath, kNotifications, u"GetCapabilities"_s, {},
        [this, answer](Busy inhibits) {
            if (inhibits == Busy::No) {
                answer(Busy::No);
                return;
            }
            call(kNotifications, kNotificationsPath, kProperties, u"Get"_s,
                 {kNotifications, u"Inhibited"_s}, answer, [](const QVariantList &reply) {
                     return doNotDisturbIf(propertyValue(reply).toBool());
                 });
        },
        [](const QVariantList &reply) {
            const bool listed =
                !reply.isEmpty() && reply.constFirst().toStringList().contains(u"inhibitions"_s);
            return doNotDisturbIf(listed);
        });
}

void NotificationInhibition::startWatching()
{
    if (busUsable())
        QDBusConnection::sessionBus().connect(
            kNotifications, kNotificationsPath, kProperties, u"PropertiesChanged"_s, this,
            SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
}

void NotificationInhibition::stopWatching()
{
    if (busUsable())
        QDBusConnection::sessionBus().disconnect(
            kNotifications, kNotificationsPath, kProperties, u"PropertiesChanged"_s, this,
            SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
}

void NotificationInhibition::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                               const QStringList &invalidated)
{
    if (interface == kNotifications
        && (changed.contains(u"Inhibited"_s) || invalidated.contains(u"Inhibited"_s)))
        Q_EMIT mayHaveChanged();
}

void XfceDoNotDisturb::ask(Answer answer)
{
    call(kXfconf, kXfconfPath, kXfconf, u"GetProperty"_s,
         {u"xfce4-notifyd"_s, u"/do-not-disturb"_s}, std::move(answer),
         [](const QVariantList &reply) { return doNotDisturbIf(propertyValue(reply).toBool()); });
}

void XfceDoNotDisturb::startWatching()
{
    if (busUsable())
        QDBusConnection::sessionBus().connect(
            kXfconf, kXfconfPath, kXfconf, u"PropertyChanged"_s, this,
            SLOT(propertyChanged(QString, QString, QDBusVariant)));
}

void XfceDoNotDisturb::stopWatching()
{
    if (busUsable())
        QDBusConnection::sessionBus().disconnect(
            kXfconf, kXfconfPath, kXfconf, u"PropertyChanged"_s, this,
            SLOT(propertyChanged(QString, QString, QDBusVariant)));
}

void XfceDoNotDisturb::propertyChanged(const QString &channel, const QString &property,
                                       const QDBusVariant &)
{
    if (channel == "xfce4-notifyd"_L1 && property == "/do-not-disturb"_L1)
        Q_EMIT mayHaveChanged();
}

MakoDoNotDisturb::MakoDoNotDisturb(SessionBus &bus, QObject *parent)
    : BusDesktopState(bus, parent), m_look(new QTimer(this))
{
    m_look->setInterval(kLookEveryMs);
    connect(m_look, &QTimer::timeout, this, &DesktopState::mayHaveChanged);
}

void MakoDoNotDisturb::ask(Answer answer)
{
    m_replied = false;
    // mako answers under the notification server's name, on an object of its own.
    call(kNotifications, u"/fr/emersion/Mako"_s, u"fr.emersion.Mako"_s, u"ListModes"_s, {},
         std::move(answer), [this](const QVariantList &reply) {
             m_replied = true;
             return doNotDisturbIf(
                 !reply.isEmpty()
                 && reply.constFirst().toStringList().contains(u"do-not-disturb"_s));
         });
}

void MakoDoNotDisturb::startWatching()
{
    // Only where mako replied to the question that began the hold.
    if (m_replied)
        m_look->start();
}

void MakoDoNotDisturb::stopWatching()
{
    m_look->stop();
}

void GnomePresence::ask(Answer answer)
{
    call(kSessionManager, kPresencePath, kProperties, u"Get"_s, {kPresence, u"status"_s},
         std::move(answer), [](const QVariantList &reply) {
             constexpr uint kBusy = 2;
             return doNotDisturbIf(propertyValue(reply).toUInt() == kBusy);
         });
}

void GnomePresence::startWatching()
{
    if (busUsable())
        QDBusConnection::sessionBus().connect(kSessionManager, kPresencePath, kPresence,
                                              u"StatusChanged"_s, this, SLOT(statusChanged(uint)));
}

void GnomePresence::stopWatching()
{
    if (busUsable())
        QDBusConnection::sessionBus().disconnect(kSessionManager, kPresencePath, kPresence,
                                                 u"StatusChanged"_s, this,
                                                 SLOT(statusChanged(uint)));
}

void GnomePresence::statusChanged(uint)
{
    Q_EMIT mayHaveChanged();
}

// The few GIO calls asked for, by name.
struct GnomeBanners::Gio {
    QLibrary library{u"gio-2.0"_s, 0};
    decltype(&g_settings_schema_source_get_default) sourceGetDefault = nullptr;
    decltype(&g_settings_schema_source_lookup) sourceLookup = nullptr;
    decltype(&g_settings_schema_has_key) schemaHasKey = nullptr;
    decltype(&g_settings_schema_unref) schemaUnref = nullptr;
    decltype(&g_settings_new_full) settingsNew = nullptr;
    decltype(&g_settings_get_boolean) getBoolean = nullptr;
    decltype(&g_signal_connect_data) connectData = nullptr;
    decltype(&g_signal_handler_disconnect) disconnect = nullptr;
    decltype(&g_object_unref) unref = nullptr;

    bool load()
    {
        if (!library.load())
            return false;
        const auto resolve = [this](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        // GObject's calls come through GIO, which depends on it.
        return resolve(sourceGetDefault, "g_settings_schema_source_get_default")
               && resolve(sourceLookup, "g_settings_schema_source_lookup")
               && resolve(schemaHasKey, "g_settings_schema_has_key")
               && resolve(schemaUnref, "g_settings_schema_unref")
               && resolve(settingsNew, "g_settings_new_full")
               && resolve(getBoolean, "g_settings_get_boolean")
               && resolve(connectData, "g_signal_connect_data")
               && resolve(disconnect, "g_signal_handler_disconnect")
               && resolve(unref, "g_object_unref");
    }
};

GnomeBanners::GnomeBanners(QObject *parent) : DesktopState(parent) {}

GnomeBanners::~GnomeBanners()
{
    stopWatching();
    if (m_settings)
        m_gio->unref(m_settings);
}

// The schema is looked up first: GSettings ends the program when asked for one that is not
// installed.
bool GnomeBanners::open()
{
    if (std::exchange(m_looked, true))
        return m_settings != nullptr;
    auto gio = std::make_unique<Gio>();
    if (!gio->load())
        return false;
    GSettingsSchemaSource *source = gio->sourceGetDefault();
    if (!source)
        return false;
    GSettingsSchema *schema = gio->sourceLookup(source, "org.gnome.desktop.notifications", TRUE);
    if (!schema)
        return false;
    if (gio->schemaHasKey(schema, "show-banners"))
        m_settings = gio->settingsNew(schema, nullptr, nullptr);
    gio->schemaUnref(schema);
    m_gio = std::move(gio);
    return m_settings != nullptr;
}

void GnomeBanners::ask(Answer answer)
{
    if (!open()) {
        answer(Busy::No);
        return;
    }
    answer(
        doNotDisturbIf(!m_gio->getBoolean(static_cast<GSettings *>(m_settings), "show-banners")));
}

void GnomeBanners::startWatching()
{
    if (m_handler || !open())
        return;
    // Qt runs on GLib's main loop here, so the change comes without any polling.
    const auto changed = +[](GSettings *, gchar *, gpointer self) {
        Q_EMIT static_cast<GnomeBanners *>(self)->mayHaveChanged();
    };
    m_handler = m_gio->connectData(m_settings, "changed::show-banners", G_CALLBACK(changed), this,
                                   nullptr, GConnectFlags(0));
}

void GnomeBanners::stopWatching()
{
    if (m_handler)
        m_gio->disconnect(m_settings, std::exchange(m_handler, 0));
}

namespace {

xcb_connection_t *xcb(void *connection)
{
    return static_cast<xcb_connection_t *>(connection);
}

} // namespace

std::unique_ptr<X11FullScreen> X11FullScreen::create()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())).data;
    if (!screen)
        return nullptr;
    return std::unique_ptr<X11FullScreen>(new X11FullScreen(x11->connection(), screen->root));
}

X11FullScreen::X11FullScreen(void *connection, quint32 root)
    : m_connection(connection), m_root(root)
{
}

X11FullScreen::~X11FullScreen()
{
    stopWatching();
}

quint32 X11FullScreen::atom(const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        xcb(m_connection),
        xcb_intern_atom(xcb(m_connection), 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const quint32 found = reply ? reply->atom : quint32(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

quint32 X11FullScreen::activeWindow()
{
    if (!m_activeAtom) {
        m_activeAtom = atom("_NET_ACTIVE_WINDOW");
        m_stateAtom = atom("_NET_WM_STATE");
        m_fullScreenAtom = atom("_NET_WM_STATE_FULLSCREEN");
    }
    xcb_generic_error_t *error = nullptr;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        xcb(m_connection),
        xcb_get_property(xcb(m_connection), 0, m_root, m_activeAtom, XCB_ATOM_WINDOW, 0, 1),
        &error);
    quint32 window = XCB_WINDOW_NONE;
    if (reply && xcb_get_property_value_length(reply) >= int(sizeof(xcb_window_t)))
        window = *static_cast<const xcb_window_t *>(xcb_get_property_value(reply));
    std::free(reply);
    std::free(error);
    return window;
}

bool X11FullScreen::isFullScreen(quint32 window)
{
    if (window == XCB_WINDOW_NONE)
        return false;
    // A window that has just gone answers with an error, which must not reach Qt's handler.
    xcb_generic_error_t *error = nullptr;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        xcb(m_connection),
        xcb_get_property(xcb(m_connection), 0, window, m_stateAtom, XCB_ATOM_ATOM, 0, 64), &error);
    bool fullScreen = false;
    if (reply) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
        fullScreen = std::find(atoms, atoms + count, m_fullScreenAtom) != atoms + count;
    }
    std::free(reply);
    std::free(error);
    return fullScreen;
}

void X11FullScreen::ask(Answer answer)
{
    answer(isFullScreen(activeWindow()) ? Busy::FullScreen : Busy::No);
}

void X11FullScreen::selectPropertyChanges(quint32 window, bool on)
{
    // Our own windows keep the events Qt chose for them.
    for (const QWindow *own : QGuiApplication::allWindows())
        if (own->handle() && own->winId() == window)
            return;
    const quint32 mask = on ? XCB_EVENT_MASK_PROPERTY_CHANGE : XCB_EVENT_MASK_NO_EVENT;
    xcb_discard_reply(xcb(m_connection), xcb_change_window_attributes_checked(
                                             xcb(m_connection), window, XCB_CW_EVENT_MASK, &mask)
                                             .sequence);
}

void X11FullScreen::followActiveWindow()
{
    const quint32 active = activeWindow();
    if (active == m_followed)
        return;
    if (m_followed != XCB_WINDOW_NONE)
        selectPropertyChanges(m_followed, false);
    m_followed = active;
    if (m_followed != XCB_WINDOW_NONE)
        selectPropertyChanges(m_followed, true);
    xcb_flush(xcb(m_connection));
}

void X11FullScreen::startWatching()
{
    if (std::exchange(m_watching, true))
        return;
    // Qt's own root mask already holds property changes (it follows the work area and the
    // window manager through them); the active window's state is selected here.
    QCoreApplication::instance()->installNativeEventFilter(this);
    followActiveWindow();
}

void X11FullScreen::stopWatching()
{
    if (!std::exchange(m_watching, false))
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (m_followed != XCB_WINDOW_NONE)
        selectPropertyChanges(std::exchange(m_followed, XCB_WINDOW_NONE), false);
    xcb_flush(xcb(m_connection));
}

bool X11FullScreen::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
    if (change->window == m_root && change->atom == m_activeAtom) {
        followActiveWindow();
        Q_EMIT mayHaveChanged();
    } else if (change->window == m_followed && change->atom == m_stateAtom) {
        Q_EMIT mayHaveChanged();
    }
    return false;
}

namespace {

// i3's IPC, which sway speaks: a magic word, the payload's length and the message type.
constexpr quint32 kSubscribe = 2;
constexpr quint32 kGetTree = 4;
constexpr qsizetype kHeaderSize = 14;

QByteArray ipcMessage(quint32 type, const QByteArray &payload)
{
    QByteArray message("i3-ipc");
    const quint32 header[2] = {quint32(payload.size()), type};
    message.append(reinterpret_cast<const char *>(header), sizeof(header));
    return message + payload;
}

// The payload of the first whole message in `buffer`, once it is all there.
std::optional<QByteArray> ipcPayload(const QByteArray &buffer)
{
    if (buffer.size() < kHeaderSize || !buffer.startsWith("i3-ipc"))
        return std::nullopt;
    quint32 length = 0;
    std::memcpy(&length, buffer.constData() + 6, sizeof(length));
    if (buffer.size() < kHeaderSize + qsizetype(length))
        return std::nullopt;
    return buffer.mid(kHeaderSize, length);
}

std::optional<bool> focusedIn(const QJsonObject &node, bool withinFullScreen)
{
    // Sway gives workspaces a full-screen mode of 1 too; only windows and their containers count.
    const QString type = node.value("type"_L1).toString();
    const bool window = type == "con"_L1 || type == "floating_con"_L1;
    const bool fullScreen =
        withinFullScreen || (window && node.value("fullscreen_mode"_L1).toInt() != 0);
    if (node.value("focused"_L1).toBool())
        return fullScreen;
    for (const QLatin1String children : {"nodes"_L1, "floating_nodes"_L1})
        for (const QJsonValue child : node.value(children).toArray())
            if (const std::optional<bool> found = focusedIn(child.toObject(), fullScreen))
                return found;
    return std::nullopt;
}

} // namespace

// A connection to sway's socket. Qt's local socket would bring Qt Network, and with it Kerberos
// and the proxy library, into every start; this is all that is needed of it.
class SwaySocket final : public QObject {
public:
    SwaySocket(const QByteArray &path, QObject *parent) : QObject(parent)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path))
            return;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_fd < 0)
            return;
        // A local socket connects at once, or not at all.
        if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
            ::close(std::exchange(m_fd, -1));
            return;
        }
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SwaySocket::readSome);
    }
    ~SwaySocket() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool send(quint32 type, const QByteArray &payload)
    {
        const QByteArray message = ipcMessage(type, payload);
        return m_fd >= 0
               && ::send(m_fd, message.constData(), std::size_t(message.size()), MSG_NOSIGNAL)
                      == message.size();
    }
    // Each whole message's payload, as it arrives; an empty one when the socket has closed.
    std::function<void(const QByteArray &)> received;

private:
    void readSome()
    {
        char chunk[65536];
        for (;;) {
            const ssize_t got = ::read(m_fd, chunk, sizeof(chunk));
            if (got > 0) {
                m_buffer.append(chunk, got);
                continue;
            }
            if (got == 0 || errno != EAGAIN) {
                m_notifier->setEnabled(false);
                // A copy: the handler may let go of itself.
                if (const auto handler = received)
                    handler({});
                return;
            }
            break;
        }
        while (const std::optional<QByteArray> payload = ipcPayload(m_buffer)) {
            m_buffer.remove(0, kHeaderSize + payload->size());
            if (const auto handler = received)
                handler(*payload);
        }
    }

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_buffer;
};

SwayFullScreen::SwayFullScreen(QByteArray socketPath, QObject *parent)
    : DesktopState(parent), m_socketPath(std::move(socketPath))
{
}

SwayFullScreen::~SwayFullScreen() = default;

bool SwayFullScreen::focusedIsFullScreen(const QByteArray &tree)
{
    return focusedIn(QJsonDocument::fromJson(tree).object(), false).value_or(false);
}

void SwayFullScreen::ask(Answer answer)
{
    struct Question {
        Answer answer;
        SwaySocket *socket;
        void finish(Busy busy)
        {
            if (!answer)
                return;
            socket->received = nullptr;
            socket->deleteLater();
            std::exchange(answer, nullptr)(busy);
        }
    };
    auto *socket = new SwaySocket(m_socketPath, this);
    auto question = std::make_shared<Question>(Question{std::move(answer), socket});
    socket->received = [question](const QByteArray &tree) {
        question->finish(focusedIsFullScreen(tree) ? Busy::FullScreen : Busy::No);
    };
    if (!socket->send(kGetTree, {})) {
        question->finish(Busy::No);
        return;
    }
    QTimer::singleShot(kReplyWithinMs, socket, [question] { question->finish(Busy::No); });
}

void SwayFullScreen::startWatching()
{
    if (m_events)
        return;
    m_events = new SwaySocket(m_socketPath, this);
    // Any event (a focus moved, a window made full screen) is worth a new look; what it says
    // is read from the tree then. The first reply is the subscription's own.
    m_events->received = [this, first = std::make_shared<bool>(true)](const QByteArray &) {
        if (!std::exchange(*first, false))
            Q_EMIT mayHaveChanged();
    };
    m_events->send(kSubscribe, R"(["window","workspace"])");
}

void SwayFullScreen::stopWatching()
{
    if (m_events) {
        m_events->received = nullptr;
        m_events->deleteLater();
        m_events = nullptr;
    }
}

std::unique_ptr<DesktopState> desktopStateHere(SessionBus &bus)
{
    std::vector<std::unique_ptr<DesktopState>> parts;
    parts.push_back(std::make_unique<NotificationInhibition>(bus));
    parts.push_back(std::make_unique<XfceDoNotDisturb>(bus));
    parts.push_back(std::make_unique<MakoDoNotDisturb>(bus));
    parts.push_back(std::make_unique<GnomePresence>(bus));
    parts.push_back(std::make_unique<GnomeBanners>());
    if (std::unique_ptr<X11FullScreen> x11 = X11FullScreen::create())
        parts.push_back(std::move(x11));
    if (const QByteArray sway = qgetenv("SWAYSOCK"); !sway.isEmpty())
        parts.push_back(std::make_unique<SwayFullScreen>(sway));
    return std::make_unique<CombinedDesktopState>(std::move(parts));
}

} // namespace services
