#include "settings/IniSettingsStore.h"

#include "settings/ConfigHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QSettings>
#include <QStringList>

#include <algorithm>

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
    const QString lockPath = iniPath + u".lock"_s;
    // The usual case, and a look costs less than taking and dropping the lock.
    if (!QFileInfo::exists(lockPath))
        return;
    QLockFile lock(lockPath);
    if (lock.tryLock(0))
        return; // unlocked again (and removed) when `lock` goes
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock.error() == QLockFile::LockFailedError && !lock.getLockInfo(&pid, &host, &app))
        lock.removeStaleLockFile();
}

// A write killed between its temporary file and the rename leaves "<file>.XXXXXX" beside the
// file. Only this copy writes here, so any such file is a leftover.
void removeLeftoverTemporaries(const QString &iniPath)
{
    const QFileInfo ini(iniPath);
    const QString prefix = ini.fileName() + u'.';
    const QDir folder = ini.dir();
    // Matched by hand: a name filter would compile a regular expression at every start.
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        const QStringView tail = QStringView(name).mid(prefix.size());
        if (std::all_of(tail.begin(), tail.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            QFile::remove(folder.filePath(name));
    }
}

} // namespace

IniSettingsStore::IniSettingsStore(AppNameSource appName) : m_appName(std::move(appName)) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::executableAppName()
{
    // Under a path that is not valid in the locale's encoding Qt reports no path at all; a
    // nameless store, lock and start-up entry would serve nobody.
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral(TARVELLE_NAME) : name;
}

// True when every later change to the file will be heard of.
bool IniSettingsStore::watch() const
{
    if (!m_watcher) {
        // Without an application there is no event loop to hear anything through.
        if (m_cannotWatch || !QCoreApplication::instance())
            return false;
        m_watcher = std::make_unique<QFileSystemWatcher>();
        const auto changed = [this] {
            m_changed = true;
            changedOutside();
        };
        QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, m_watcher.get(),
                         changed);
        QObject::connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, m_watcher.get(),
                         changed);
    }
    // A watch stays with what it was put on, and the file may have been replaced since.
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    // Before the first write there may be no folder yet, and it may be removed or moved away
    // and brought back: its coming is heard from the nearest folder above that is there.
    if (!QFileInfo(m_folder).isDir()) {
        QString above = QFileInfo(m_folder).absolutePath();
        while (!QFileInfo(above).isDir() && above != QFileInfo(above).absolutePath())
            above = QFileInfo(above).absolutePath();
        m_watcher->addPath(above);
        return false;
    }
    // A file not there yet leaves no gap: the folder's watch hears of its arrival.
    if (m_watcher->addPath(m_folder) && (m_watcher->addPath(m_path) || !QFileInfo::exists(m_path)))
        return true;
    // Out of inotify watches, most likely: give up rather than be warned at every read.
    m_watcher.reset();
    m_cannotWatch = true;
    return false;
}

QSettings &IniSettingsStore::file(Use use) const
{
    // Nothing has changed on disk since the last look: the file as read then still holds.
    if (use == Use::Reading && m_ini && !m_changed)
        return *m_ini;
    if (m_path.isEmpty()) {
        const QString app = m_appName();
        m_folder = configHome() + u'/' + app;
        m_path = m_folder + u'/' + app + ".ini"_L1;
    }
    // Watching before looking leaves no moment in which a change goes unheard. Unwatched, every
    // read looks again.
    m_changed = !watch();
    if (!m_ini) {
        // A lock or a temporary file can only have been abandoned by an earlier copy, before
        // this one wrote.
        clearAbandonedLock(m_path);
        removeLeftoverTemporaries(m_path);
        m_ini = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
        // Never fall back to rewriting the file in place: a crash could leave half a file.
        m_ini->setAtomicSyncRequired(true);
    } else {
        // Reads the file again only when its size or time differ: a stat.
        m_ini->sync();
    }
    return *m_ini;
}

std::optional<QString> IniSettingsStore::storedValue(const QString &key) const
{
    const QSettings &ini = file(Use::Reading);
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
    return storeTogether({{key, text}});
}

bool IniSettingsStore::storeTogether(const Entries &entries)
{
    // Always against the file as it is now, or an edit made meanwhile could be kept or lost.
    QSettings &ini = file(Use::Writing);
    bool changed = false;
    for (const auto &[key, text] : entries) {
        // Rewriting a file with what it already holds would only cost a synced write.
        const QVariant held = ini.value(sectionKey(key));
        if (ini.status() == QSettings::NoError && held.metaType().id() == QMetaType::QString
            && held.toString() == text)
            continue;
        ini.setValue(sectionKey(key), text);
        changed = true;
    }
    if (!changed)
        return true;
    ini.sync();
    const bool stored = ini.status() == QSettings::NoError;
    // What did not reach the disk must not be read back as if it had.
    if (!stored)
        m_ini.reset();
    return stored;
}

} // namespace settings
