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

IniSettingsStore::~IniSettingsStore() = default;

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

QSettings &IniSettingsStore::file() const
{
    const QString path = filePath();
    if (!m_ini || m_ini->fileName() != path) {
        // A lock can only have been abandoned by an earlier copy, before this one wrote.
        clearAbandonedLock(path);
        m_ini = std::make_unique<QSettings>(path, QSettings::IniFormat);
        // Never fall back to rewriting the file in place: a crash could leave half a file.
        m_ini->setAtomicSyncRequired(true);
    } else {
        // Picks up the file again only when it changed on disk: a stat, at every tick.
        m_ini->sync();
    }
    return *m_ini;
}

std::optional<QString> IniSettingsStore::storedValue(const QString &key) const
{
    const QVariant value = file().value(sectionKey(key));
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited line with an unquoted comma comes back as a list; keep its text whole.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

bool IniSettingsStore::store(const QString &key, const QString &text)
{
    QSettings &ini = file();
    // Rewriting a file with what it already holds would only cost a synced write.
    const QVariant held = ini.value(sectionKey(key));
    if (ini.status() == QSettings::NoError && held.metaType().id() == QMetaType::QString
        && held.toString() == text)
        return true;
    ini.setValue(sectionKey(key), text);
    ini.sync();
    const bool stored = ini.status() == QSettings::NoError;
    // What did not reach the disk must not be read back as if it had.
    if (!stored)
        m_ini.reset();
    return stored;
}

} // namespace settings
