#include "journal/JournalStore.h"

#include "cards/Deck.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace journal {

Entry Change::writtenOver(QDate day, const std::optional<Entry> &held) const
{
    Entry result = held.value_or(Entry{day, 0, {}});
    result.day = day;
    if (card)
        result.card = *card;
    else if (!cards::isCardIndex(result.card))
        result.card = noteCard;
    if (note)
        result.note = *note;
    return result;
}

void JournalStore::record(QDate day, int card)
{
    if (!day.isValid() || !cards::isCardIndex(card))
        return;
    m_pending[day].card = card;
    flush();
}

void JournalStore::setNote(QDate day, int card, const QString &note)
{
    if (!day.isValid() || !cards::isCardIndex(card))
        return;
    Change &change = m_pending[day];
    change.note = note;
    change.noteCard = card;
    flush();
}

bool JournalStore::flush()
{
    if (m_pending.isEmpty())
        return true;
    JournalFile *days = file();
    if (!days || !days->write(m_pending))
        return false;
    m_pending.clear();
    return true;
}

QList<Entry> JournalStore::entries(DayRange range)
{
    JournalFile *written = file();
    QList<Entry> days = written ? written->read(range) : QList<Entry>{};
    const auto newerFirst = [](const Entry &entry, QDate day) { return entry.day > day; };
    for (auto change = m_pending.cbegin(); change != m_pending.cend(); ++change) {
        const QDate day = change.key();
        if (!range.contains(day))
            continue;
        auto at = std::lower_bound(days.begin(), days.end(), day, newerFirst);
        if (at != days.end() && at->day == day)
            *at = change->writtenOver(day, *at);
        else
            days.insert(at, change->writtenOver(day, std::nullopt));
    }
    return days;
}

std::optional<QString> JournalStore::backUp(const QString &path)
{
    // What cannot be written now is still worth a copy of the rest.
    flush();
    JournalFile *days = file();
    if (!days)
        return status().problem;
    return days->backUp(path);
}

ImportOutcome JournalStore::importFrom(const QString &path)
{
    // The import merges with the journal as written: what waits would otherwise land over it.
    JournalFile *days = file();
    if (!days || !flush())
        return {ImportOutcome::Result::Failed, 0, 0, status().problem};
    return days->importFrom(path);
}

} // namespace journal
