#pragma once

#include <QStringList>

#include <vector>

namespace services {

// Keeps a second copy of the program from running beside the first.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this copy is the only one; it then holds the lock until it ends.
    virtual bool acquire() = 0;
};

// flocks on files in folders only the user can write to. The kernel drops a lock when its
// holder ends, however it ends, so a crashed copy never blocks the next one, not even in a PID
// namespace where the next copy gets the dead one's process id. Each of the files must be free.
class FileInstanceLock final : public InstanceLock {
public:
    explicit FileInstanceLock(QStringList paths);
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock &) = delete;
    FileInstanceLock &operator=(const FileInstanceLock &) = delete;

    bool acquire() override;

    // One in the user's runtime folder and one in the user's cache folder, each where it is
    // private to the user: a copy started with another runtime folder, or none, still meets the
    // first in the cache folder. Empty when neither is private.
    static QStringList defaultPaths(const QString &appName);

private:
    // 1 taken, 0 held by another copy, -1 not to be had (no such file, no locks there).
    int take(const QString &path);

    QStringList m_paths;
    std::vector<int> m_fds;
};

} // namespace services
