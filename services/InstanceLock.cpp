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

FileInstanceLock::FileInstanceLock(QString path) : m_path(std::move(path)) {}

FileInstanceLock::~FileInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString FileInstanceLock::defaultPath(const QString &appName)
{
    const QString name = appName + u".lock"_s;
    if (const QString runtime = absoluteFolderFrom("XDG_RUNTIME_DIR");
        !runtime.isEmpty() && isPrivateFolder(QFile::encodeName(runtime)))
        return runtime + u'/' + name;
    // The shared temporary folder is no place for it: anyone could take the name first.
    QString cache = absoluteFolderFrom("XDG_CACHE_HOME");
    if (cache.isEmpty())
        cache = QDir::homePath() + "/.cache"_L1;
    const QString folder = cache + u'/' + appName;
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    if (!isPrivateFolder(QFile::encodeName(folder)))
        return {};
    return folder + u'/' + name;
}

bool FileInstanceLock::acquire()
{
    // No private place for a lock: better one copy too many than none at all.
    if (m_path.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(m_path);
    // Close-on-exec, or a browser we start would hold the lock after we end.
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0)
        return true;
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        // Only a help to people looking: the kernel's lock is what counts.
        const QByteArray pid = QByteArray::number(::getpid()) + '\n';
        if (::ftruncate(m_fd, 0) == 0) [[maybe_unused]]
            const ssize_t written = ::pwrite(m_fd, pid.constData(), pid.size(), 0);
        return true;
    }
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(m_fd);
    m_fd = -1;
    // A file system without locks cannot keep a second copy out either.
    return !heldElsewhere;
}

} // namespace services
