#include "services/InstanceLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace services {

namespace {

// Nobody else may create, replace or remove files in it.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info = {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode)
           && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString absoluteFolderFrom(const char *variable)
{
    const QString folder = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QString();
}

} // namespace

FileInstanceLock::FileInstanceLock(QStringList paths) : m_paths(std::move(paths)) {}

FileInstanceLock::~FileInstanceLock()
{
    for (const int fd : m_fds)
        ::close(fd);
}

QStringList FileInstanceLock::defaultPaths(const QString &appName)
{
    const QString name = appName + u".lock"_s;
    QStringList paths;
    if (const QString runtime = absoluteFolderFrom("XDG_RUNTIME_DIR");
        !runtime.isEmpty() && isPrivateFolder(QFile::encodeName(runtime)))
        paths << runtime + u'/' + name;
    // The shared temporary folder is no place for one: anyone could take the name first.
    QString cache = absoluteFolderFrom("XDG_CACHE_HOME");
    if (cache.isEmpty())
        cache = QDir::homePath() + "/.cache"_L1;
    const QString folder = cache + u'/' + appName;
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    if (isPrivateFolder(QFile::encodeName(folder)))
        paths << folder + u'/' + name;
    return paths;
}

bool FileInstanceLock::acquire()
{
    // No private place for a lock, or a file system without locks: better one copy too many
    // than none at all.
    for (const QString &path : std::as_const(m_paths)) {
        if (take(path) == 0) {
            for (const int fd : m_fds)
                ::close(fd);
            m_fds.clear();
            return false;
        }
    }
    return true;
}

int FileInstanceLock::take(const QString &path)
{
    // Close-on-exec, or a browser we start would hold the lock after we end.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return heldElsewhere ? 0 : -1;
    }
    // Only a help to people looking: the kernel's lock is what counts.
    const QByteArray pid = QByteArray::number(::getpid()) + '\n';
    if (::ftruncate(fd, 0) == 0) [[maybe_unused]]
        const ssize_t written = ::pwrite(fd, pid.constData(), pid.size(), 0);
    m_fds.push_back(fd);
    return 1;
}

} // namespace services
