#pragma once

#include "journal/JournalStore.h"

namespace journal {

// Whether `text` is part of the day's card name or of its note, in any case of any script. An
// empty text is part of every day.
bool matches(const Entry &day, const QString &text);

// How often a card came up, counted from the first day of the journal.
struct Tally {
    int times = 0;
    QDate since;
};
Tally tally(const QList<Entry> &days, int card);

} // namespace journal
