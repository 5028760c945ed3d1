#pragma once

#include "journal/JournalStore.h"

#include <QByteArray>

#include <optional>

namespace journal {

// The days of a CSV that toCsv() wrote; nothing when the text is not such a CSV (another
// header, a date that is not ISO, a card the deck does not name, a quote left open), so that
// a file of someone else's is refused whole rather than half read.
std::optional<QList<Entry>> fromCsv(const QByteArray &text);

// What importing `imported` into a journal holding `journal` writes: each day only in the import
// as it is there; for a day in both, the journal's card, and its note with the imported one
// after it where the two differ (an imported note already held is not added twice). Days that
// need no change are left out. `journal` and the result hold each day once.
QList<Entry> mergeImport(const QList<Entry> &journal, const QList<Entry> &imported);

// The line that stands between the journal's note and an imported one.
inline constexpr char16_t kImportedNoteSeparator[] = u"\n\n";

} // namespace journal
