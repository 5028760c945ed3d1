#pragma once

#include "journal/JournalExport.h"
#include "journal/JournalImport.h"
#include "journal/JournalStore.h"

#include <QFile>
#include <QMap>

// Keeps the journal in memory. While `refusing` is set it takes no write and says so, as a
// journal on a full or read-only disk does; while `locked`, as one another program holds, it
// neither reads nor writes. With `setAside`, it tells of a damaged file set aside until the
// notice has been shown. Its backup is a CSV of its days, which its import takes back.
class MemoryJournalStore final : public journal::JournalStore, private journal::JournalFile {
public:
    using Reason = journal::Status::Reason;

    journal::Status status() const override
    {
        if (locked)
            return {Reason::InUse, QStringLiteral("The journal is in use by another program."),
                    QStringLiteral("The notes typed are kept until it is free."), true, false};
        if (refusing)
            return {Reason::Full,
                    QStringLiteral("The journal cannot be written: the disk is full."),
                    QStringLiteral("The notes typed are kept until it can.")};
        if (setAside)
            return {Reason::SetAside,
                    QStringLiteral("The journal file was damaged and has been set aside."),
                    QStringLiteral("Nothing of it has been deleted."),
                    true,
                    true,
                    true};
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
    journal::JournalFile *file() override { return this; }

private:
    bool write(const journal::Changes &changes) override
    {
        if (refusing || locked)
            return false;
        ++writes;
        for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
            const auto held = days.constFind(change.key());
            days.insert(change.key(),
                        change->writtenOver(change.key(), held == days.cend()
                                                              ? std::nullopt
                                                              : std::optional(*held)));
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

    std::optional<QString> backUp(const QString &path) override
    {
        if (locked)
            return status().problem;
        return journal::writeExportFile(path, journal::toCsv(read({})));
    }

    journal::ImportOutcome importFrom(const QString &path) override
    {
        using Result = journal::ImportOutcome::Result;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {Result::Unreadable, 0, 0, file.errorString()};
        const std::optional<QList<journal::Entry>> imported = journal::fromCsv(file.readAll());
        if (!imported)
            return {Result::NotOurs, 0, 0, QStringLiteral("Not a CSV of ours.")};
        if (refusing || locked)
            return {Result::Failed, 0, 0, status().problem};
        journal::ImportOutcome outcome{Result::Imported, 0, 0, {}};
        for (const journal::Entry &day : journal::mergeImport(read({}), *imported)) {
            ++(days.contains(day.day) ? outcome.notesJoined : outcome.daysAdded);
            days.insert(day.day, day);
        }
        ++writes;
        return outcome;
    }
};
