#include "journal/JournalStatistics.h"

#include "cards/Deck.h"

#include <algorithm>

namespace journal {

namespace {

bool isNoted(const Entry &day)
{
    return !day.note.trimmed().isEmpty();
}

} // namespace

Statistics statistics(const QList<Entry> &days, DayRange period)
{
    QList<Entry> counted;
    counted.reserve(days.size());
    for (const Entry &day : days) {
        if (day.day.isValid() && cards::isCardIndex(day.card) && period.contains(day.day))
            counted.append(day);
    }
    std::sort(counted.begin(), counted.end(),
              [](const Entry &a, const Entry &b) { return a.day < b.day; });

    Statistics result;
    std::array<int, cards::kDeckSize + 1> times{};
    int run = 0;
    QDate previousNoted;
    for (const Entry &day : std::as_const(counted)) {
        ++result.daysRecorded;
        ++result.bySuit[static_cast<std::size_t>(cards::suitOf(day.card))];
        ++times[static_cast<std::size_t>(day.card)];
        if (!isNoted(day))
            continue;
        ++result.daysNoted;
        run = previousNoted.isValid() && previousNoted.addDays(1) == day.day ? run + 1 : 1;
        previousNoted = day.day;
        if (run > result.longestNotedRun) {
            result.longestNotedRun = run;
            result.longestRunEnd = day.day;
        }
    }

    for (int card = 1; card <= cards::kDeckSize; ++card) {
        if (times[static_cast<std::size_t>(card)] > 1)
            result.mostFrequent.append({card, times[static_cast<std::size_t>(card)]});
    }
    // Stable: equal counts keep their deck order.
    std::stable_sort(result.mostFrequent.begin(), result.mostFrequent.end(),
                     [](const Statistics::CardCount &a, const Statistics::CardCount &b) {
                         return a.times > b.times;
                     });
    if (result.mostFrequent.size() > kMostFrequentShown)
        result.mostFrequent.resize(kMostFrequentShown);
    return result;
}

} // namespace journal
