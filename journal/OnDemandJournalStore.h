#pragma once

#include "journal/JournalStore.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace journal {

// The program's journal: the SQLite file, whose module is loaded when the journal is first read
// or written, which a start does only after its window is up. Without the module the journal says
// so and keeps what it is given while the program runs, as it does on a disk that takes nothing.
class OnDemandJournalStore final : public JournalStore {
public:
    OnDemandJournalStore(QString path, TodayFunction today, QStringList moduleFolders);
    ~OnDemandJournalStore() override;
    OnDemandJournalStore(const OnDemandJournalStore &) = delete;
    OnDemandJournalStore &operator=(const OnDemandJournalStore &) = delete;

    // $XDG_DATA_HOME/<app>/journal.sqlite, with ~/.local/share where XDG_DATA_HOME is unset or
    // relative.
    static QString defaultPath(const QString &appName);

    Status status() const override;
    void noticeShown() override;

protected:
    // The loaded file, or null when its module cannot be had.
    JournalFile *file() override;

private:
    QString m_path;
    TodayFunction m_today;
    QStringList m_moduleFolders;
    bool m_loadTried = false;
    QLibrary m_module;
    std::unique_ptr<JournalFile> m_file;
    Status m_missing;
};

} // namespace journal
