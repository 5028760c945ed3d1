#pragma once

#include "journal/JournalStore.h"

class QSqlDatabase;
class QSqlError;

namespace services {
class Clock;
}

namespace journal {

// The journal as one SQLite file, through Qt SQL. Nothing is opened or made until the journal is
// first read or written, so a start that does neither costs nothing.
//
// The file: table `days` (day TEXT, ISO 8601, the key; card INTEGER 1..52; note TEXT), its
// format in PRAGMA user_version. Made with mode 0600 in a folder made 0700. A damaged file is
// renamed "<name>-damaged-<date>.sqlite" beside it, never deleted, and a new one begins; a file of
// a newer format is only ever read.
class SqliteJournalStore final : public JournalStore {
public:
    // The format this version writes, and the newest it reads.
    static constexpr int kFormat = 1;

    SqliteJournalStore(QString path, const services::Clock &clock);
    ~SqliteJournalStore() override;
    SqliteJournalStore(const SqliteJournalStore &) = delete;
    SqliteJournalStore &operator=(const SqliteJournalStore &) = delete;

    Status status() const override;
    bool exists() const override;

protected:
    bool write(const Changes &changes) override;
    QList<Entry> read(DayRange range) override;

private:
    enum class Access { Closed, Writable, ReadOnly };
    enum class Outcome { Done, Damaged, Failed };

    Access open();
    Access openFile(bool *damaged);
    Access openNewer(int format);
    bool connect(bool readOnly);
    void close();
    QSqlDatabase database() const;
    Outcome writeOnce(const Changes &changes);
    Outcome readOnce(DayRange range, QList<Entry> *days);
    Outcome failed(const QSqlError &error, Status *into, bool writing) const;
    QString whyNotWritable() const;
    bool moveAside();

    QString m_path;
    const services::Clock &m_clock;
    QString m_connection;
    Access m_access = Access::Closed;
    bool m_openedUnwritable = false;
    bool m_daysRead = true;
    // What opening found (no folder, a newer file, a read-only one), what the last write and the
    // last read met, and a damaged file moved aside, worth saying for as long as we run.
    Status m_opening;
    Status m_writing;
    Status m_reading;
    Status m_movedAside;
};

} // namespace journal
