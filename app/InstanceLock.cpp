#include "app/InstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// An empty or unreadable lock this old was left by a copy killed while creating it.
constexpr qint64 kAbandonedAfterMs = 5000;

} // namespace

LockFileInstanceLock::LockFileInstanceLock(QString path) : m_path(std::move(path)) {}

QString LockFileInstanceLock::defaultPath(const QString &appName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u'/' + appName + u".lock"_s;
}

bool LockFileInstanceLock::acquire()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // A running copy may hold the lock for weeks: age alone never makes it stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError)
        return true; // no place for a lock at all: better one copy too many than none
    qint64 pid = 0;
    QString host;
    QString app;
    const QFileInfo info(m_path);
    if (!m_lock->getLockInfo(&pid, &host, &app)
        && info.lastModified().msecsTo(QDateTime::currentDateTime()) > kAbandonedAfterMs) {
        m_lock->removeStaleLockFile();
        return m_lock->tryLock(0);
    }
    return false;
}

} // namespace app
