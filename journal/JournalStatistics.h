#pragma once

#include "journal/JournalStore.h"

#include <QList>

#include <array>

namespace journal {

// What came up over a period, counted from the days themselves.
struct Statistics {
    struct CardCount {
        int card = 0;
        int times = 0;

        friend bool operator==(const CardCount &, const CardCount &) = default;
    };

    int daysRecorded = 0;
    // Days whose note holds more than white space.
    int daysNoted = 0;
    // Indexed by the suit's deck order: Clubs, Diamonds, Hearts, Spades.
    std::array<int, 4> bySuit{};
    // The cards that came up more than once, most often first, then in deck order; at most five.
    QList<CardCount> mostFrequent;
    // The longest run of consecutive calendar days that each have a note, and its last day.
    int longestNotedRun = 0;
    QDate longestRunEnd;

    int red() const { return bySuit[1] + bySuit[2]; }
    int black() const { return bySuit[0] + bySuit[3]; }
};

inline constexpr int kMostFrequentShown = 5;

// Days outside `period`, and rows that are not a card of the deck, are not counted.
Statistics statistics(const QList<Entry> &days, DayRange period = {});

} // namespace journal
