#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

namespace journal {

// Today's date as the program's clock has it: all the journal asks of the clock.
using TodayFunction = std::function<QDate()>;

// One day of the journal: the card drawn for it and the note written about it.
struct Entry {
    QDate day;
    int card = 0;
    QString note;

    friend bool operator==(const Entry &, const Entry &) = default;
};

// Days from `first` to `last`, both included; a null end leaves that side open.
struct DayRange {
    QDate first;
    QDate last;

    bool contains(QDate day) const
    {
        return (first.isNull() || day >= first) && (last.isNull() || day <= last);
    }
};

// How the journal stands, in words its window can show as they are.
struct Status {
    // Why the journal is not as it should be; what tests and code ask, where the words are for
    // people.
    enum class Reason {
        None,
        // Another program holds the file's lock.
        InUse,
        // The disk that holds the file takes no more.
        Full,
        // The file, its folder or the disk takes no writes.
        ReadOnly,
        // The folder for the file cannot be made.
        NoFolder,
        // The file comes from a newer version; it is only ever read.
        NewerFormat,
        // The file is damaged and could not be moved aside.
        Damaged,
        // A damaged file was set aside and a new one begun: a notice, not a problem now.
        SetAside,
        // The part of the program that keeps the file (or Qt's SQLite driver) is not installed.
        ModuleMissing,
        // Any other failure to open, read or write; the words say which.
        Failed,
    };

    Reason reason = Reason::None;
    // What is wrong; empty while nothing is.
    QString problem;
    // What is kept all the same.
    QString kept;
    // False when a note typed now could never be written, not even later.
    bool takesNotes = true;
    // False when the last read could not read the days: only those waiting to be written show.
    bool daysRead = true;
    // The words tell of something done to the journal (a damaged file set aside) rather than of a
    // problem now; they are said at every start until noticeShown().
    bool notice = false;

    bool ok() const { return reason == Reason::None; }
};

// A change to one day, waiting to be written: a card drawn, a note typed, or both.
struct Change {
    std::optional<int> card;
    std::optional<QString> note;
    // The card the note was written for.
    int noteCard = 0;

    // The day as it stands once this change is written over `held`, the day as written (if it
    // is). A day drawn again takes the latest card and keeps its note; a note replaces the one
    // before and keeps the day's card, unless the day has lost it (a row whose card is no card
    // of the deck, or no row at all): then the card the note was written for stands in.
    Entry writtenOver(QDate day, const std::optional<Entry> &held) const;
};
using Changes = QMap<QDate, Change>;

// What an import did; `detail` says why, in words, where it did not import.
struct ImportOutcome {
    enum class Result {
        Imported,
        // Neither a backup of a journal nor a CSV that the export wrote.
        NotOurs,
        // The file could not be read.
        Unreadable,
        // The journal could not take it; nothing of it was written.
        Failed,
    };
    Result result = Result::Failed;
    int daysAdded = 0;
    int notesJoined = 0;
    QString detail;
};

// Where a journal's days are written to and read from. It holds no change of its own: what
// waits to be written is the JournalStore's.
class JournalFile {
public:
    virtual ~JournalFile() = default;

    virtual Status status() const = 0;
    virtual void noticeShown() {}
    // All of `changes` in one transaction, or none of them (then false).
    virtual bool write(const Changes &changes) = 0;
    // The written days within `range`, newest first; none when the journal cannot be read.
    virtual QList<Entry> read(DayRange range) = 0;
    // A consistent copy of the journal at `path`, whole or not at all; the reason when not.
    virtual std::optional<QString> backUp(const QString &path) = 0;
    // The days of a backup or of an exported CSV at `path`, merged by mergeImport()'s rule in one
    // transaction: all of them or nothing.
    virtual ImportOutcome importFrom(const QString &path) = 0;
};

// The journal of past cards. What cannot be written at once is kept, shown by every read as if
// written, and written at the next write or flush(): nothing recorded or typed is dropped while
// the program runs. The store alone holds what waits; its file only writes and reads.
class JournalStore {
public:
    virtual ~JournalStore() = default;

    // The card drawn for `day`. A day drawn again takes the latest card and keeps its note.
    void record(QDate day, int card);
    // The note of `day`, drawn with `card`, replacing the one before. The day's card stays as the
    // journal has it; `card` only stands in where the journal has lost the day (a damaged file
    // set aside while the note was being typed).
    void setNote(QDate day, int card, const QString &note);
    // The days within `range`, newest first.
    QList<Entry> entries(DayRange range = {});
    // Writes what is waiting; true when nothing is left waiting.
    bool flush();
    bool hasPending() const { return !m_pending.isEmpty(); }

    // Writes a consistent copy of the journal, with what waits written first where it can be;
    // nothing is left at `path` when it fails. The reason when it could not.
    std::optional<QString> backUp(const QString &path);
    // Merges a backup that backUp() made, of this format or an older one (which is only read),
    // or a CSV that toCsv() wrote: a day only in the import is added, a day in both keeps the
    // journal's card and joins the notes where they differ. All of it or nothing; a file that is
    // neither is refused as NotOurs.
    ImportOutcome importFrom(const QString &path);

    virtual Status status() const = 0;
    // The notice that status() gives has been shown to the user, who is not told it again.
    virtual void noticeShown() {}

protected:
    // Where the days are kept; null while it cannot be had (status() then says why).
    virtual JournalFile *file() = 0;

private:
    Changes m_pending;
};

} // namespace journal
