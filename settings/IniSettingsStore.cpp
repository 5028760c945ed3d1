#include "settings/IniSettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

const QString kSection = u"Settings"_s;

QString sectionKey(const QString &key)
{
    return kSection + u'/' + key;
}

// QSettings guards its writes with "<file>.lock". A copy killed between creating that file and
// writing its owner into it leaves an empty lock that QSettings would wait 30 s on; only one
// copy of the program runs at a time, so such a lock is abandoned.
void clearAbandonedLock(const QString &iniPath)
{
    QLockFile lock(iniPath + u".lock"_s);
    if (lock.tryLock(0))
        return; // unlocked again (and removed) when `lock` goes
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock.error() == QLockFile::LockFailedError && !lock.getLockInfo(&pid, &host, &app))
        lock.removeStaleLockFile();
}

} // namespace

IniSettingsStore::IniSettingsStore(AppNameSource appName) : m_appName(std::move(appName)) {}

QString IniSettingsStore::executableAppName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString IniSettingsStore::filePath() const
{
    const QString app = m_appName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + app
           + u'/' + app + ".ini"_L1;
}

std::optional<QString> IniSettingsStore::storedValue(const QString &key) const
{
    // One named file, no system-wide fallbacks: the display time is read at every tick.
    const QSettings ini(filePath(), QSettings::IniFormat);
    const QVariant value = ini.value(sectionKey(key));
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited line with an unquoted comma comes back as a list; keep its text whole.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

bool IniSettingsStore::store(const QString &key, const QString &text)
{
    const QString path = filePath();
    QSettings ini(path, QSettings::IniFormat);
    // Never fall back to rewriting the file in place: a crash then could leave half a file.
    ini.setAtomicSyncRequired(true);
    // A lock can only have been abandoned by an earlier copy, before this one wrote anything.
    if (path != m_checkedLockOf) {
        clearAbandonedLock(path);
        m_checkedLockOf = path;
    }
    ini.setValue(sectionKey(key), text);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

} // namespace settings
