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

    bool ok() const { return problem.isEmpty(); }
};

// The journal of past cards. What cannot be written at once is kept, shown by every read as if
// written, and written at the next write or flush(): nothing recorded or typed is dropped while
// the program runs.
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

    virtual Status status() const = 0;
    // The notice that status() gives has been shown to the user, who is not told it again.
    virtual void noticeShown() {}

protected:
    struct Change {
        std::optional<int> card;
        std::optional<QString> note;
        // The card the note was written for.
        int noteCard = 0;
    };
    using Changes = QMap<QDate, Change>;

    // All of `changes` in one transaction, or none of them (then false).
    virtual bool write(const Changes &changes) = 0;
    // The written days within `range`, newest first; none when the journal cannot be read.
    virtual QList<Entry> read(DayRange range) = 0;

private:
    // Hands its changes and reads on to the journal it loads.
    friend class OnDemandJournalStore;

    Changes m_pending;
};

} // namespace journal
