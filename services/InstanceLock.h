#pragma once

#include <QString>

namespace services {

// Keeps a second copy of the program from running beside the first.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this copy is the only one; it then holds the lock until it ends.
    virtual bool acquire() = 0;
};

// An flock on a file in a folder only the user can write to. The kernel drops the lock when
// its holder ends, however it ends, so a crashed copy never blocks the next one, not even in a
// PID namespace where the next copy gets the dead one's process id.
class FileInstanceLock final : public InstanceLock {
public:
    explicit FileInstanceLock(QString path);
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock &) = delete;
    FileInstanceLock &operator=(const FileInstanceLock &) = delete;

    bool acquire() override;

    // In the user's runtime folder, or else in the user's cache folder; empty when neither
    // is private to the user.
    static QString defaultPath(const QString &appName);

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace services
