#include "services/SessionBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QEventLoop>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace services {

namespace {

// The authentication exchange's opening: a null byte, then a request for the mechanisms. Any
// daemon that is alive answers it at once.
constexpr char kQuestion[] = "\0AUTH\r\n";

// A bus address that cannot be reached: set for the screen-reader bridge, it connects to
// nothing instead of asking the session bus where the accessibility bus is.
constexpr char kNoAccessibilityBus[] = "unix:path=/nonexistent/at-spi-bus";

bool isReadable(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) > 0;
}

} // namespace

QByteArray SessionBus::socketPathFor(const QByteArray &busAddress, const QByteArray &runtimeFolder)
{
    if (busAddress.isEmpty()) {
        // What libdbus falls back to; without it, it would start a bus of its own.
        const QByteArray standard = runtimeFolder + "/bus";
        return !runtimeFolder.isEmpty() && QFileInfo(QString::fromLocal8Bit(standard)).exists()
                   ? standard
                   : QByteArray();
    }
    // The first of the addresses is the one tried first; only a Unix socket can be asked here.
    const QByteArray first = busAddress.split(';').constFirst();
    if (!first.startsWith("unix:"))
        return {};
    for (const QByteArray &pair : first.mid(5).split(',')) {
        const qsizetype equals = pair.indexOf('=');
        const QByteArray key = pair.left(equals);
        const QByteArray value = QByteArray::fromPercentEncoding(pair.mid(equals + 1));
        if (equals > 0 && key == "path" && !value.isEmpty())
            return value;
        if (equals > 0 && key == "abstract" && !value.isEmpty())
            return '\0' + value;
    }
    return {};
}

SessionBus::SessionBus(QObject *parent) : QObject(parent)
{
    const QByteArray path =
        socketPathFor(qgetenv("DBUS_SESSION_BUS_ADDRESS"), qgetenv("XDG_RUNTIME_DIR"));
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path) {
        m_answered = true;
        return;
    }
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(path.size())
                                  + (path.startsWith('\0') ? 0 : 1));
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_fd < 0) {
        m_answered = true;
        return;
    }
    // A local connect completes at once. EAGAIN is a full backlog that nobody takes from, where
    // Qt would wait in its own connect; anything else is no bus listening, which Qt finds out
    // just as fast.
    if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        m_answered = errno != EAGAIN;
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    if (::send(m_fd, kQuestion, sizeof kQuestion - 1, MSG_NOSIGNAL) != sizeof kQuestion - 1)
        answered();
}

SessionBus::~SessionBus()
{
    finishConnecting();
    if (m_fd >= 0)
        ::close(m_fd);
}

void SessionBus::connectInBackground()
{
    if (!m_answered && m_fd >= 0 && isReadable(m_fd))
        answered();
    if (m_answered) {
        startConnecting();
        return;
    }
    m_connectWhenAnswered = true;
    listen();
}

void SessionBus::startConnecting()
{
    if (m_connector)
        return;
    // Qt keeps the connection it makes for whichever thread asks next.
    m_connector = QThread::create([] { QDBusConnection::sessionBus(); });
    connect(m_connector, &QThread::finished, this, &SessionBus::connectionMade);
    m_connector->start();
}

void SessionBus::connectionMade()
{
    m_usable = true;
    Q_EMIT usable();
}

bool SessionBus::finishConnecting(QDeadlineTimer deadline)
{
    if (!m_connector)
        return true;
    if (!m_connector->wait(deadline))
        return false;
    delete m_connector;
    m_connector = nullptr;
    return true;
}

void SessionBus::listen()
{
    if (m_notifier || m_fd < 0)
        return;
    // Readable means answered: a reply, or the connection closed, is the daemon at work.
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionBus::answered);
}

void SessionBus::answered()
{
    m_answered = true;
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_connectWhenAnswered)
        startConnecting();
}

void SessionBus::awaitBeforeWindows(std::chrono::milliseconds limit)
{
    if (!m_answered && m_fd >= 0 && isReadable(m_fd))
        answered();
    if (m_answered)
        return;
    listen();
    // Without a socket to watch (a backlog nobody takes from) no answer can come.
    if (m_notifier) {
        QEventLoop loop;
        QTimer::singleShot(limit, &loop, &QEventLoop::quit);
        connect(m_notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (m_answered)
        return;
    if (qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS"))
        qputenv("AT_SPI_BUS_ADDRESS", kNoAccessibilityBus);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
}

} // namespace services
