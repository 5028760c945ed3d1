#pragma once

#include "journal/JournalStore.h"

#include <QMap>

// Keeps the journal in memory. While `refusing` is set it takes no write and says so, as a
// journal on a full or read-only disk does; while `locked`, as one another program holds, it
// neither reads nor writes. With `setAside`, it tells of a damaged file set aside until the
// notice has been shown.
class MemoryJournalStore final : public journal::JournalStore {
public:
    journal::Status status() const override
    {
        if (locked)
            return {QStringLiteral("The journal is in use by another program."),
                    QStringLiteral("The notes typed are kept until it is free."), true, false};
        if (refusing)
            return {QStringLiteral("The journal cannot be written: the disk is full."),
                    QStringLiteral("The notes typed are kept until it can.")};
        if (setAside)
            return {QStringLiteral("The journal file was damaged and has been set aside."),
                    QStringLiteral("Nothing of it has been deleted."), true, true, true};
        return {};
    }

    void noticeShown() override { ++noticesShown; }

    // As if written long ago, without going through the store.
    void put(const journal::Entry &entry) { days.insert(entry.day, entry); }

    QMap<QDate, journal::Entry> days;
    bool refusing = false;
    bool locked = false;
    bool setAside = false;
    int noticesShown = 0;
    int writes = 0;

protected:
    bool write(const Changes &changes) override
    {
        if (refusing || locked)
            return false;
        ++writes;
        for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
            journal::Entry &day = days[change.key()];
            day.day = change.key();
            if (change->card)
                day.card = *change->card;
            else if (day.card == 0)
                day.card = change->noteCard;
            if (change->note)
                day.note = *change->note;
        }
        return true;
    }

    QList<journal::Entry> read(journal::DayRange range) override
    {
        QList<journal::Entry> found;
        if (locked)
            return found;
        for (const journal::Entry &day : std::as_const(days)) {
            if (range.contains(day.day))
                found.prepend(day);
        }
        return found;
    }
};
