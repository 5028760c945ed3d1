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
#include <dirent.h>
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

bool isReadable(int fd, std::chrono::milliseconds wait = {})
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, int(wait.count())) > 0;
}

// Sends the question to the bus at `path` on a socket of its own, which is returned; -1 when
// no answer is to be waited for, and then `held` says whether a daemon holds the connection.
int askBus(const QByteArray &path, bool &held)
{
    held = false;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof(sockaddr_un::sun_path))
        return -1;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(path.size())
                                  + (path.startsWith('\0') ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    // A local connect completes at once. EAGAIN is a full backlog that nobody takes from, where
    // Qt would wait in its own connect; anything else is no bus listening, which Qt finds out
    // just as fast.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        held = errno == EAGAIN;
        ::close(fd);
        return -1;
    }
    if (::send(fd, kQuestion, sizeof kQuestion - 1, MSG_NOSIGNAL) != sizeof kQuestion - 1) {
        ::close(fd);
        return -1;
    }
    return fd;
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

SessionBus::SessionBus(QObject *parent)
    : QObject(parent),
      m_path(socketPathFor(qgetenv("DBUS_SESSION_BUS_ADDRESS"), qgetenv("XDG_RUNTIME_DIR")))
{
    bool held = false;
    m_fd = askBus(m_path, held);
    m_answered = m_fd < 0 && !held;
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
    m_connector = QThread::create([this] {
        QDBusConnection::sessionBus();
        const QMutexLocker lock(&m_watchMutex);
        m_connected = true;
        m_watchWake.wakeAll();
    });
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
    stopWatching();
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
    m_limit = limit;
    if (m_answered) {
        guardUntilIdle();
        return;
    }
    listen();
    // Without a socket to watch (a backlog nobody takes from) no answer can come.
    if (m_notifier) {
        QEventLoop loop;
        QTimer::singleShot(limit, &loop, &QEventLoop::quit);
        connect(m_notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (m_answered) {
        guardUntilIdle();
        return;
    }
    if (qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS"))
        qputenv("AT_SPI_BUS_ADDRESS", kNoAccessibilityBus);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
}

void SessionBus::guardUntilIdle()
{
    // Before the connection starts, nothing of Qt's can wait on the bus.
    if (!m_connector || m_watch)
        return;
    {
        const QMutexLocker lock(&m_watchMutex);
        m_idle = false;
    }
    m_watch = QThread::create([this] { watch(); });
    m_watch->start();
    // The next turn of an event loop, the main one's or a message box's.
    QTimer::singleShot(0, this, &SessionBus::stopWatching);
}

// Runs on the watch's own thread.
void SessionBus::watch()
{
    QMutexLocker lock(&m_watchMutex);
    const QDeadlineTimer connecting(m_limit);
    while (!m_connected && !m_idle) {
        if (!m_watchWake.wait(&m_watchMutex, connecting)) {
            lock.unlock();
            cutOff();
            return;
        }
    }
    // A start that is merely slow finds the bus answering.
    while (!m_idle) {
        if (m_watchWake.wait(&m_watchMutex, QDeadlineTimer(m_limit)))
            continue;
        lock.unlock();
        if (!answersWithin(m_limit)) {
            cutOff();
            return;
        }
        lock.relock();
    }
}

void SessionBus::stopWatching()
{
    if (!m_watch)
        return;
    {
        const QMutexLocker lock(&m_watchMutex);
        m_idle = true;
        m_watchWake.wakeAll();
    }
    // Never long: at most one question of its own, which has its time limit.
    m_watch->wait();
    delete m_watch;
    m_watch = nullptr;
}

bool SessionBus::answersWithin(std::chrono::milliseconds limit) const
{
    bool held = false;
    const int fd = askBus(m_path, held);
    if (fd < 0)
        return !held;
    const bool answered = isReadable(fd, limit);
    ::close(fd);
    return answered;
}

// Shuts every socket of this process that is connected to the bus, the one Qt is making or has
// made included: whatever waits on them is told at once that the bus has gone. The descriptors
// stay open for their owners to close.
void SessionBus::cutOff() const
{
    qWarning("The session bus does not answer; going on without it.");
    DIR *folder = ::opendir("/proc/self/fd");
    if (!folder)
        return;
    while (const dirent *entry = ::readdir(folder)) {
        bool isNumber = false;
        const int fd = QByteArray(entry->d_name).toInt(&isNumber);
        if (!isNumber || fd == ::dirfd(folder))
            continue;
        sockaddr_un peer = {};
        auto length = socklen_t(sizeof peer);
        if (::getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &length) != 0
            || peer.sun_family != AF_UNIX || length <= offsetof(sockaddr_un, sun_path))
            continue;
        QByteArray name(peer.sun_path, qsizetype(length - offsetof(sockaddr_un, sun_path)));
        // A path comes with its terminating null; an abstract name has none.
        if (!name.startsWith('\0'))
            name.truncate(qsizetype(qstrnlen(name.constData(), std::size_t(name.size()))));
        if (name == m_path)
            ::shutdown(fd, SHUT_RDWR);
    }
    ::closedir(folder);
}

} // namespace services
