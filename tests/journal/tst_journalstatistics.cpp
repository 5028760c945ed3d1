#include "cards/Deck.h"
#include "journal/JournalStatistics.h"

#include "TestSeed.h"

#include <QSet>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;
using journal::Entry;
using journal::Statistics;

class TestJournalStatistics : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void agreesWithTheDaysCountedOneByOne();
    void periodsRunsAndWhatIsNotADay();
};

void TestJournalStatistics::agreesWithTheDaysCountedOneByOne()
{
    QRandomGenerator random(testSeed());
    for (int round = 0; round < 50; ++round) {
        // Days in no order, with gaps, blank notes and notes of white space.
        QList<Entry> days;
        QSet<QDate> taken;
        const QDate start(2020, 1, 1);
        const int count = random.bounded(0, 400);
        for (int i = 0; i < count; ++i) {
            const QDate day = start.addDays(random.bounded(0, 500));
            if (taken.contains(day))
                continue;
            taken.insert(day);
            const int kind = random.bounded(0, 3);
            days.append({day, random.bounded(1, cards::kDeckSize + 1),
                         kind == 0 ? QString() : (kind == 1 ? u" \n\t"_s : u"noted"_s)});
        }
        const Statistics counted = journal::statistics(days);

        QCOMPARE(counted.daysRecorded, days.size());
        int suits = 0;
        for (const int inSuit : counted.bySuit)
            suits += inSuit;
        QCOMPARE(suits, counted.daysRecorded);
        QCOMPARE(counted.red() + counted.black(), counted.daysRecorded);

        std::map<int, int> times;
        QSet<QDate> noted;
        for (const Entry &day : std::as_const(days)) {
            ++times[day.card];
            if (day.note == u"noted"_s)
                noted.insert(day.day);
        }
        QCOMPARE(counted.daysNoted, noted.size());
        int best = 0;
        for (const QDate day : std::as_const(noted)) {
            int run = 0;
            while (noted.contains(day.addDays(run)))
                ++run;
            best = std::max(best, run);
        }
        QCOMPARE(counted.longestNotedRun, best);
        if (best > 0) {
            for (int back = 0; back < best; ++back)
                QVERIFY(noted.contains(counted.longestRunEnd.addDays(-back)));
        }

        QVERIFY(counted.mostFrequent.size() <= journal::kMostFrequentShown);
        int previous = std::numeric_limits<int>::max();
        for (const Statistics::CardCount &card : counted.mostFrequent) {
            QCOMPARE(card.times, times[card.card]);
            QVERIFY(card.times > 1 && card.times <= previous);
            previous = card.times;
        }
        // Nothing left out came up more often than the last one shown.
        for (const auto &[card, n] : times) {
            if (n > previous && n > 1)
                QVERIFY(
                    std::any_of(counted.mostFrequent.cbegin(), counted.mostFrequent.cend(),
                                [card = card](const auto &shown) { return shown.card == card; }));
        }
    }
}

void TestJournalStatistics::periodsRunsAndWhatIsNotADay()
{
    const QDate d(2026, 11, 28);
    const QList<Entry> days = {
        // A run of four across the month's end, broken by a blank note, then one of two.
        {d, 3, u"a"_s},
        {d.addDays(1), 3, u"b"_s},
        {d.addDays(2), 16, u"c"_s},
        {d.addDays(3), 30, u"d"_s},
        {d.addDays(4), 45, u"  "_s},
        {d.addDays(5), 45, u"e"_s},
        {d.addDays(6), 3, u"f"_s},
        // Not a day of the journal: no date, no card of the deck.
        {QDate(), 5, u"x"_s},
        {d.addDays(8), 0, u"x"_s},
        {d.addDays(9), 53, u"x"_s},
    };
    const Statistics all = journal::statistics(days);
    QCOMPARE(all.daysRecorded, 7);
    QCOMPARE(all.daysNoted, 6);
    QCOMPARE(all.bySuit, (std::array<int, 4>{3, 1, 1, 2}));
    QCOMPARE(all.longestNotedRun, 4);
    QCOMPARE(all.longestRunEnd, d.addDays(3));
    // Three of Clubs three times, then the Six of Spades; ties would keep deck order.
    QCOMPARE(all.mostFrequent, (QList<Statistics::CardCount>{{3, 3}, {45, 2}}));

    // December alone: the run restarts at the month's first day.
    const Statistics december =
        journal::statistics(days, {QDate(2026, 12, 1), QDate(2026, 12, 31)});
    QCOMPARE(december.daysRecorded, 4);
    QCOMPARE(december.longestNotedRun, 2);
    QCOMPARE(december.mostFrequent, (QList<Statistics::CardCount>{{45, 2}}));

    QCOMPARE(journal::statistics({}).daysRecorded, 0);
    QVERIFY(journal::statistics({}).mostFrequent.isEmpty());
}

QTEST_GUILESS_MAIN(TestJournalStatistics)
#include "tst_journalstatistics.moc"
