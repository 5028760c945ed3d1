#pragma once

#include <QLockFile>

#include <memory>

namespace app {

// Keeps a second copy of the program from running beside the first.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this copy is the only one; it then holds the lock until it ends.
    virtual bool acquire() = 0;
};

// A lock file in the user's runtime folder, named after the program. A copy that crashed
// leaves a lock naming a dead process, which does not count.
class LockFileInstanceLock final : public InstanceLock {
public:
    explicit LockFileInstanceLock(QString path);
    bool acquire() override;

    static QString defaultPath(const QString &appName);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace app
