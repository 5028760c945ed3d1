#include "journal/OnDemandJournalStore.h"

#include "journal/SqliteJournalModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace journal {

OnDemandJournalStore::OnDemandJournalStore(QString path, TodayFunction today,
                                           QStringList moduleFolders)
    : m_path(std::move(path)), m_today(std::move(today)), m_moduleFolders(std::move(moduleFolders))
{
}

// The module stays loaded: Qt SQL's driver, loaded through it, lives until the program ends.
OnDemandJournalStore::~OnDemandJournalStore() = default;

QString OnDemandJournalStore::defaultPath(const QString &appName)
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative, it would put the journal wherever we happened to be started from.
    if (data.isEmpty() || !QDir::isAbsolutePath(data))
        data = QDir::homePath() + u"/.local/share"_s;
    return QDir::cleanPath(data) + u'/' + appName + u"/journal.sqlite"_s;
}

JournalFile *OnDemandJournalStore::file()
{
    if (m_loadTried)
        return m_file.get();
    m_loadTried = true;
    QStringList failures;
    for (const QString &folder : std::as_const(m_moduleFolders)) {
        const QString candidate = QDir(folder).filePath(QLatin1StringView(sqlite_module::FileName));
        if (!QFileInfo::exists(candidate))
            continue;
        m_module.setFileName(candidate);
        const auto open = reinterpret_cast<sqlite_module::OpenFunction>(
            m_module.resolve(sqlite_module::OpenSymbol));
        if (open) {
            m_file.reset(open(m_path, m_today));
            return m_file.get();
        }
        failures.append(m_module.errorString());
    }
    const QString why = failures.isEmpty() ? QCoreApplication::translate("OnDemandJournalStore",
                                                                         "%1 is not installed")
                                                 .arg(QLatin1StringView(sqlite_module::FileName))
                                           : failures.join(u"; "_s);
    m_missing = {Status::Reason::ModuleMissing,
                 QCoreApplication::translate(
                     "OnDemandJournalStore",
                     "The journal %1 cannot be opened: the part of Tarvelle that keeps it is "
                     "missing (%2). Installing Tarvelle again mends this.")
                     .arg(m_path, why),
                 QCoreApplication::translate(
                     "OnDemandJournalStore",
                     "Today's card and the settings are unharmed. The days drawn and the notes "
                     "typed are kept while Tarvelle runs, but cannot be written."),
                 false, false};
    return nullptr;
}

Status OnDemandJournalStore::status() const
{
    if (m_file)
        return m_file->status();
    return m_missing;
}

void OnDemandJournalStore::noticeShown()
{
    if (m_file)
        m_file->noticeShown();
}

} // namespace journal
