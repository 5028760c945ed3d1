#include "journal/JournalStore.h"

#include "cards/Deck.h"

#include <algorithm>

namespace journal {

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
    if (!write(m_pending))
        return false;
    m_pending.clear();
    return true;
}

QList<Entry> JournalStore::entries(DayRange range)
{
    QList<Entry> days = read(range);
    const auto newerFirst = [](const Entry &entry, QDate day) { return entry.day > day; };
    for (auto change = m_pending.cbegin(); change != m_pending.cend(); ++change) {
        const QDate day = change.key();
        if (!range.contains(day))
            continue;
        auto at = std::lower_bound(days.begin(), days.end(), day, newerFirst);
        if (at == days.end() || at->day != day)
            at = days.insert(at, Entry{day, change->card.value_or(change->noteCard), {}});
        if (change->card)
            at->card = *change->card;
        if (change->note)
            at->note = *change->note;
    }
    return days;
}

} // namespace journal
