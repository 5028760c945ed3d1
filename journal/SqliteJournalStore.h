#pragma once

#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QStringList>

#include <functional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

namespace journal {

// The journal as one SQLite file, through Qt SQL. Nothing is opened or made until the journal is
// first read or written, so a start that does neither costs nothing.
//
// The file: table `days` (day TEXT, ISO 8601, the key; card INTEGER 1..52; note TEXT), its
// format in PRAGMA user_version. Made with mode 0600 in a folder made 0700. A file of an older
// format, or one whose number was lost (restored from an SQL dump), is brought to this format
// as it opens. Rows that are not a day and a card are left alone and unlisted. A damaged file is
// renamed "<name>-damaged-<date>.sqlite" beside it, never deleted, and a new one begins; until the
// user has been shown that, "<name>-set-aside.txt" beside it names the file. A file of a newer
// format is only ever read.
class SqliteJournalFile final : public JournalFile {
    Q_DECLARE_TR_FUNCTIONS(SqliteJournalFile)

public:
    // The format this version writes, and the newest it reads. A new format adds its step from
    // the one before, the columns it gives `days`, and a test that opens a file of the one before;
    // an import reads a backup without migrating it (it is never changed), so a format that
    // renames or drops a column of `days` also teaches readDays() the older shape.
    static constexpr int kFormat = 1;

    SqliteJournalFile(QString path, TodayFunction today);
    ~SqliteJournalFile() override;
    SqliteJournalFile(const SqliteJournalFile &) = delete;
    SqliteJournalFile &operator=(const SqliteJournalFile &) = delete;

    Status status() const override;
    void noticeShown() override;
    bool write(const Changes &changes) override;
    QList<Entry> read(DayRange range) override;
    std::optional<QString> backUp(const QString &path) override;
    ImportOutcome importFrom(const QString &path) override;

private:
    enum class Access { Closed, Writable, ReadOnly };
    enum class Outcome { Done, Damaged, Failed };
    // What a file says of itself.
    struct Found {
        int format = 0;
        int tables = 0;
        bool hasDays = false;
        // The format whose columns `days` has; 0 where it has none of them.
        int shape = 0;
        // The format its migration starts from; -1 for a file that is not a journal.
        int from() const;
    };

    Access open();
    Access openFile(bool *damaged);
    Access openNewer(int format);
    bool makeFile();
    void makePrivate() const;
    bool connect(bool readOnly);
    void close();
    QSqlDatabase database() const;
    Outcome check(Found *found);
    Outcome readFormat(QSqlQuery &query, Found *found, Status *said);
    Outcome checkIntegrity(QSqlQuery &query);
    Outcome migrate();
    // Runs `work` under the write lock and commits what it did, or rolls all of it back.
    Outcome inWriteTransaction(const std::function<bool(QSqlError *error)> &work);
    Outcome writeOnce(const Changes &changes);
    Outcome writeChanges(const Changes &changes, QSqlError *error);
    Outcome importOnce(const QList<Entry> &imported, ImportOutcome *outcome);
    std::optional<QList<Entry>> backupDays(const QString &path, ImportOutcome *outcome);
    Outcome readOnce(DayRange range, QList<Entry> *days);
    Outcome failed(const QSqlError &error, Status *into, bool writing) const;
    QString whyNotWritable() const;
    bool moveAside();
    QString noticePath() const;
    void readNotice();
    void sayMovedAside();

    QString m_path;
    TodayFunction m_today;
    QString m_connection;
    Access m_access = Access::Closed;
    bool m_openedUnwritable = false;
    bool m_daysRead = true;
    // What opening found (no folder, a newer file, a read-only one), what the last write and the
    // last read met, and damaged files moved aside, worth saying until the user has seen it.
    Status m_opening;
    Status m_writing;
    Status m_reading;
    Status m_movedAside;
    QStringList m_setAside;
    bool m_noticeRead = false;
    bool m_noticeOnDisk = false;
};

// A journal store over an SQLite file of its own, without the module: for the tests and tools
// that link the file's code in.
class SqliteJournalStore final : public JournalStore {
public:
    static constexpr int kFormat = SqliteJournalFile::kFormat;

    SqliteJournalStore(QString path, TodayFunction today)
        : m_file(std::move(path), std::move(today))
    {
    }

    Status status() const override { return m_file.status(); }
    void noticeShown() override { m_file.noticeShown(); }

protected:
    JournalFile *file() override { return &m_file; }

private:
    SqliteJournalFile m_file;
};

} // namespace journal
