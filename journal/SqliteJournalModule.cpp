#include "journal/SqliteJournalModule.h"

#include "journal/SqliteJournalStore.h"

extern "C" Q_DECL_EXPORT journal::JournalFile *
tarvelle_open_sqlite_journal(const QString &path, const journal::TodayFunction &today)
{
    // The program's own view of the function; a mismatch fails here, not at run time.
    [[maybe_unused]] constexpr journal::sqlite_module::OpenFunction checked =
        &tarvelle_open_sqlite_journal;
    return new journal::SqliteJournalFile(path, today);
}
