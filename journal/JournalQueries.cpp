#include "journal/JournalQueries.h"

#include "cards/Deck.h"

#include <algorithm>

namespace journal {

bool matches(const Entry &day, const QString &text)
{
    return day.note.contains(text, Qt::CaseInsensitive)
           || cards::cardName(day.card).contains(text, Qt::CaseInsensitive);
}

Tally tally(const QList<Entry> &days, int card)
{
    Tally counted;
    counted.times = static_cast<int>(std::count_if(
        days.cbegin(), days.cend(), [card](const Entry &day) { return day.card == card; }));
    for (const Entry &day : days) {
        if (counted.since.isNull() || day.day < counted.since)
            counted.since = day.day;
    }
    return counted;
}

} // namespace journal
